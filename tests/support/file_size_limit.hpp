// A save that fails as on a full disk, for whoever runs the test (file permissions stop no
// one running as root): the process's file-size limit lowered while the object lives, with the
// signal a write past it raises ignored as the programs ignore it. The write then fails with
// "File too large"; files of the size limit or smaller are written as ever.
#pragma once

#include <sys/resource.h>

#include "platform/posix_file_system.hpp"

namespace gm::testing {

class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes = 4096) {
    IgnoreFileSizeSignal();
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit lowered = saved_;
    lowered.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &lowered);
  }
  FileSizeLimit(const FileSizeLimit&) = delete;
  FileSizeLimit& operator=(const FileSizeLimit&) = delete;
  ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &saved_); }

 private:
  rlimit saved_{};
};

}  // namespace gm::testing
