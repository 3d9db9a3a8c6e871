// The command line's commands, apart from the parsing of their arguments. Each answers an exit
// status and writes its messages, one line each, to the error stream.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "record_codec.h"

namespace Commands {

enum Status : int {
  kDone = 0,
  kFileProblem = 1,  // a file could not be read or written, is foreign, or failed its check;
                     // a document is not a settings document; the output could not be written
  kUsageError = 2,   // an unknown command, option, name or value
};

struct Streams {
  std::istream& in;
  std::ostream& out;
  std::ostream& err;
};

// The file a command edits, the defaults a new one gets, whether a foreign one may go, and
// whether the changes go untold.
struct EditTarget {
  std::string file;
  const RecordCodec::CodecProfile* profile;
  bool force = false;
  bool quiet = false;
};

// The profile of this platform's settings editor.
const RecordCodec::CodecProfile& platformProfile();
// The settings file on this user's desktop, as this platform's editor finds it; empty (and
// the reason told) when there is none.
std::string defaultFile(Streams io);

Status show(const std::string& file, bool json, Streams io);
// One line per file; a file that is not a settings file gets one problem unless all are asked.
Status check(const std::vector<std::string>& files, bool all, Streams io);
// A file that is not a settings file is exported only when forced.
Status exportDocument(const std::string& file, bool force, Streams io);
// set and schedule tell each change on the output, one line each, unless quiet.
Status set(const EditTarget& target, const std::vector<std::string>& assignments, Streams io);
Status schedule(const EditTarget& target, const std::string& days, const std::string& hours,
                const std::string& mode, Streams io);
// The document comes from a file, or from the input stream when source is "-"; at most 1 MiB.
Status import(const EditTarget& target, const std::string& source, Streams io);

}  // namespace Commands
