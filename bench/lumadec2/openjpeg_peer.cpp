#include "openjpeg_peer.h"

#include <openjpeg.h>

#include <cstdlib>
#include <memory>
#include <stdexcept>

namespace lumadec2::bench {
namespace {

constexpr OPJ_SIZE_T kStreamBufferSize = 1 << 20;

struct StreamDeleter {
    void operator()(opj_stream_t* stream) const { opj_stream_destroy(stream); }
};
struct CodecDeleter {
    void operator()(opj_codec_t* codec) const { opj_destroy_codec(codec); }
};
struct ImageDeleter {
    void operator()(opj_image_t* image) const { opj_image_destroy(image); }
};

} // namespace

long openJpegDecodeRegion(const std::string& path, int level, int x0, int y0, int x1, int y1)
{
    std::unique_ptr<opj_stream_t, StreamDeleter> stream(opj_stream_create_file_stream(path.c_str(), kStreamBufferSize, OPJ_TRUE));
    std::unique_ptr<opj_codec_t, CodecDeleter> codec(opj_create_decompress(OPJ_CODEC_J2K));
    if (!stream || !codec) {
        throw std::runtime_error("cannot open " + path);
    }
    opj_dparameters_t parameters;
    opj_set_default_decoder_parameters(&parameters);
    parameters.cp_reduce = static_cast<OPJ_UINT32>(level);
    opj_image_t* rawImage = nullptr;
    if (!opj_setup_decoder(codec.get(), &parameters) || !opj_read_header(stream.get(), codec.get(), &rawImage)) {
        throw std::runtime_error("cannot read the header of " + path);
    }
    std::unique_ptr<opj_image_t, ImageDeleter> image(rawImage);
    if (!opj_set_decode_area(codec.get(), image.get(), x0, y0, x1, y1) || !opj_decode(codec.get(), stream.get(), image.get())
        || !opj_end_decompress(codec.get(), stream.get())) {
        throw std::runtime_error("cannot decode " + path);
    }
    return static_cast<long>(image->comps[0].w) * static_cast<long>(image->comps[0].h);
}

bool openJpegEncode(const std::string& input, const std::string& output, int tileSize, int levels)
{
    // Lossless (reversible 5/3, the default) with levels + 1 resolutions.
    const std::string command = "opj_compress -i '" + input + "' -o '" + output + "' -t " + std::to_string(tileSize) + ","
                                + std::to_string(tileSize) + " -n " + std::to_string(levels + 1) + " > /dev/null";
    return std::system(command.c_str()) == 0;
}

} // namespace lumadec2::bench
