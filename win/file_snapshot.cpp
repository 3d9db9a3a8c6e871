#include "file_snapshot.h"

#include "record_codec.h"

namespace {

// More than a settings record, so that a longer file differs from one.
constexpr std::size_t kMostBytes = 4096;

}  // namespace

FileSnapshot FileSnapshot::Take(const std::string& path) {
  FileSnapshot snapshot;
  snapshot.bytes.resize(kMostBytes);
  std::size_t got = 0;
  using Status = RecordCodec::FileLayer::ReadStatus;
  switch (
      RecordCodec::FileLayer::system().readPrefix(path, snapshot.bytes.data(), kMostBytes, got)) {
    case Status::Read:
      snapshot.state = State::Read;
      break;
    case Status::Missing:
      snapshot.state = State::Missing;
      got = 0;
      break;
    case Status::Failed:
      snapshot.state = State::Unreadable;
      got = 0;
      break;
  }
  snapshot.bytes.resize(got);
  return snapshot;
}

bool FileSnapshot::ChangedBy(const FileSnapshot& now) const {
  if (now.state != State::Read || state == State::Unreadable) return false;
  return state == State::Missing || now.bytes != bytes;
}
