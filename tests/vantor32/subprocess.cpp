#include "subprocess.h"

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace vantor_test {
namespace {

// A scratch file holding the input, removed when it goes out of scope.
class InputFile {
 public:
  explicit InputFile(const std::string& text) {
    char name[] = "/tmp/vantor32-input-XXXXXX";
    const int fd = mkstemp(name);
    if (fd < 0) throw std::runtime_error("cannot create a scratch file for a command's input");
    close(fd);
    path_ = name;
    std::ofstream(path_) << text;
  }
  ~InputFile() { std::remove(path_.c_str()); }
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace

CommandResult run_command(const std::string& command, const std::string& input) {
  const InputFile file(input);
  const std::string line = "(" + command + ") < " + file.path();
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(line.c_str(), "r"), pclose);
  if (!pipe) throw std::runtime_error("cannot start: " + command);
  std::string output;
  char buffer[4096];
  size_t count = 0;
  while ((count = fread(buffer, 1, sizeof buffer, pipe.get())) > 0) output.append(buffer, count);
  const int status = pclose(pipe.release());
  return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

}  // namespace vantor_test
