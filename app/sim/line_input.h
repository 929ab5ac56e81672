// Where the owner's typed lines come from: the line editor on a terminal, or plain lines
// read from a pipe or file. Both are read without blocking, when their descriptor is ready.
#pragma once

#include <string>
#include <vector>

namespace kn::sim {

class LineInput {
  public:
    virtual ~LineInput() = default;
    virtual int fd() const = 0;
    // Takes what can be read now, appending every finished line; false at the end of input.
    virtual bool Read(std::vector<std::string>& lines) = 0;
};

class PlainInput final : public LineInput {
  public:
    explicit PlainInput(int fd) : fd_(fd) {}
    int fd() const override { return fd_; }
    bool Read(std::vector<std::string>& lines) override;

  private:
    int fd_;
    std::string partial_;
};

}  // namespace kn::sim
