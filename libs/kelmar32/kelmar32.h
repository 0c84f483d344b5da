/* kelmar32 - record files of fixed-size records, numbered from 1.
 *
 * A record file is a plain array of equal-sized records; record r lies at byte
 * (r - 1) * record_size. The caller owns one control block per open file and keeps
 * it for the file's lifetime. get_record and new_record hand out a pointer to a run
 * of consecutive records held contiguously in memory and writable in place; the
 * pointer stays valid until the next call on the same control block.
 *
 * Buffering: records are served from one window of the file, mapped into memory,
 * of at least the record count given to buff_open (the caller's buffer size, or 1 MiB
 * of records when that is more) and at most the whole file. A file far larger than
 * the buffer works: the window moves.
 *
 * Write-back: a file opened with KELMAR_MODE_WRITE is mapped shared, so every
 * change reaches the file; the caller sets the changed flag after changing a record
 * (buff_close then also flushes the file's pages). A file opened without the write
 * bit is mapped privately: changes made in place are never written.
 */
#ifndef KELMAR32_H
#define KELMAR32_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define KELMAR32_API __attribute__((visibility("default")))

/* Mode bits of buff_open. */
#define KELMAR_MODE_READ 0x80000000u
#define KELMAR_MODE_WRITE 0x40000000u
#define KELMAR_MODE_BINARY 0x00008000u
#define KELMAR_MODE_CREATE 0x00000100u /* create the file when it is missing */

/* Public fields of the control block, at fixed byte offsets. */
#define KELMAR_CHANGED_FLAG_OFFSET 128
#define KELMAR_HIGHEST_HELD_OFFSET 152
#define KELMAR_CONTROL_BLOCK_SIZE 256

typedef struct kelmar_control_block {
    /* Private state of the library. */
    unsigned char* mapping;     /* start of the mapped window, NULL when none */
    int64_t mapping_offset;     /* byte offset of the mapping in the file */
    int64_t mapping_bytes;
    int64_t records;            /* records in the file as the caller sees it */
    int64_t allocated_records;  /* records the file holds on disk (grows ahead) */
    int32_t fd;                 /* -1 when closed */
    int32_t record_size;
    int32_t buffer_records;
    int32_t window_first;       /* first record number held, 0 when none */
    uint32_t mode;
    unsigned char private_reserved[KELMAR_CHANGED_FLAG_OFFSET - 60];
    /* +128: non-zero once the caller changed a record it got. */
    int32_t changed;
    int32_t public_reserved[5];
    /* +152: highest record number held contiguously from the last record got. */
    int32_t highest_held;
    unsigned char tail_reserved[KELMAR_CONTROL_BLOCK_SIZE - KELMAR_HIGHEST_HELD_OFFSET - 4];
} kelmar_control_block;

/* Opens (or with KELMAR_MODE_CREATE creates) a file of record_size-byte records.
 * record_count is the buffer size in records (values below 1 count as 1).
 * Returns non-zero on success; on failure the block is left closed. */
KELMAR32_API int32_t buff_open(kelmar_control_block* block, const char* file_name, int32_t record_count,
                               int32_t record_size, uint32_t mode);

/* Stores in *records the address of records first .. first + count - 1, which
 * must exist. Returns non-zero on success. */
KELMAR32_API int32_t get_record(kelmar_control_block* block, int32_t first, int32_t count, void** records);

/* Makes records first .. first + count - 1 new (zero-filled), extending the file
 * as needed, and stores their address in *records. Returns non-zero on success. */
KELMAR32_API int32_t new_record(kelmar_control_block* block, int32_t first, int32_t count, void** records);

/* The number of records the file holds, or -1 for a closed block. */
KELMAR32_API int32_t buff_record_count(const kelmar_control_block* block);

/* Ends the use of the file. Returns non-zero on success. */
KELMAR32_API int32_t buff_close(kelmar_control_block* block);

#ifdef __cplusplus
}
#endif

#endif
