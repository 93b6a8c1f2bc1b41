#pragma once

namespace vx::test {

// While it lives, no file of this process can grow beyond `bytes` (writes beyond fail with
// EFBIG instead of a signal): a disk that refuses writes, also for the superuser, whom
// read-only permissions do not stop.
class WriteLimit {
public:
    explicit WriteLimit(unsigned long bytes);
    ~WriteLimit();
    WriteLimit(const WriteLimit&) = delete;
    WriteLimit& operator=(const WriteLimit&) = delete;

private:
    unsigned long oldSoft_ = 0;
    void (*oldHandler_)(int) = nullptr;
};

}  // namespace vx::test
