// Closed standard streams filled with /dev/null, and SIGPIPE ignored.
#include "platform/standard_streams.hpp"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace gm {

void PrepareStandardStreams() {
  for (int fd = 0; fd <= 2; ++fd) {
    if (fcntl(fd, F_GETFD) >= 0 || errno != EBADF) continue;
    // The lowest free number is this one: the ones below it are open by now.
    const int null = open("/dev/null", O_RDWR);
    if (null >= 0 && null != fd) {
      dup2(null, fd);
      close(null);
    }
  }
  std::signal(SIGPIPE, SIG_IGN);
}

}  // namespace gm
