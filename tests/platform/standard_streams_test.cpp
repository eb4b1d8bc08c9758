// A game started with standard streams closed: the files it opens take numbers of their own,
// else the log would be written into them.
#include "platform/standard_streams.hpp"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <vector>

namespace gm {
namespace {

TEST(StandardStreams, ClosedOnesDoNotTakeTheGamesFiles) {
  for (const auto& closed :
       {std::vector{0}, std::vector{2}, std::vector{1, 2}, std::vector{0, 1, 2}}) {
    const pid_t child = fork();
    if (child == 0) {
      for (const int fd : closed) close(fd);
      PrepareStandardStreams();
      _exit(dup(0) > 2 ? 0 : 1);
    }
    int status = -1;
    waitpid(child, &status, 0);
    EXPECT_EQ(status, 0) << closed.size() << " closed, the last " << closed.back();
  }
}

}  // namespace
}  // namespace gm
