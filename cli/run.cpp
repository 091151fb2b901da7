// The command line's run, shared by barcode-cli and barcode-cli-qt: options, outputs, batches,
// files and their sync.
#include "run.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <new>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "bars.h"
#include "help.h"
#include "launch.h"
#include "options.h"
#include "output.h"
#include "report.h"

namespace bars::cli {
namespace {

constexpr int kExitFailure = 1;
constexpr int kExitUsage = 2;

// A failure to write the output; the message is complete.
class OutputError : public std::exception {
 public:
  explicit OutputError(std::string message) : message_(std::move(message)) {}
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

void WriteStdout(std::string_view bytes) {
  if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout))
    throw OutputError(std::string("Cannot write to standard output: ") + std::strerror(errno));
}

// The message goes out byte for byte: an engine message may quote a Text holding any byte.
void ReportLine(std::string message) {
  message += '\n';
  std::fwrite(message.data(), 1, message.size(), stderr);
}

// Where pictures go: the maker that draws them, and the files, written by threads of their own
// in a batch.
struct PictureSink {
  std::unique_ptr<TPictureMaker> maker;
  TPicture picture;
  TFileWriter files;
  std::unique_ptr<TBatchWriter> writer;
  std::string linePrefix;  // "line N: " in a batch
  std::set<std::string> toldUnchecked;

  // A line for standard error, after those of the files queued before it.
  void Report(std::string line) {
    if (writer) {
      writer->Report(std::move(line));
    } else {
      ReportLine(std::move(line));
    }
  }
};

// Produces the output for one code. Raises bars::Exception when it cannot be encoded or drawn
// and OutputError when it cannot be written; nothing is written then.
void Produce(const Options& options, const std::string& text, const std::string& outputPath,
             PictureSink& sink) {
  TBarcode barcode;
  Configure(barcode, options, text);
  switch (options.output) {
    case Output::Pattern:
      WriteStdout(PatternLines(barcode));
      break;
    case Output::Json:
      WriteStdout(JsonRecord(barcode) + '\n');
      break;
    case Output::Picture: {
      TPicture& picture = sink.picture;
      sink.maker->Make(barcode, picture);
      if (!picture.failure.empty()) throw OutputError(picture.failure);
      // Each reason once: in a batch it is usually the same for every line.
      if (!picture.unchecked.empty() && sink.toldUnchecked.insert(picture.unchecked).second)
        sink.Report("barcode-cli: --verify: " + picture.unchecked + ": written unchecked");
      if (outputPath == "-") {
        WriteStdout(picture.bytes);
      } else if (sink.writer) {
        sink.writer->Write(outputPath, std::move(picture.bytes), sink.linePrefix);
      } else if (const int error = sink.files.Write(outputPath, picture.bytes); error != 0) {
        throw OutputError(WriteFailure(outputPath, error));
      }
      break;
    }
    case Output::None:
      break;
  }
}

// Runs Produce and returns "" or the message of its failure.
std::string TryProduce(const Options& options, const std::string& text,
                       const std::string& outputPath, PictureSink& sink) {
  try {
    Produce(options, text, outputPath, sink);
    return "";
  } catch (const Exception& e) {
    return e.Message();
  } catch (const OutputError& e) {
    return e.what();
  } catch (const std::bad_alloc&) {
    return "Out of memory";
  } catch (const std::exception& e) {
    return e.what();
  }
}

// Splits at LF; one CR before it is part of the line ending. A last line without LF counts.
std::vector<std::string> SplitLines(const std::string& content) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    std::size_t end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(std::move(line));
    start = end + 1;
  }
  return lines;
}

// The whole batch input; raises UsageError when it cannot be read.
std::string ReadBatch(const std::string& path) {
  std::FILE* file = path == "-" ? stdin : std::fopen(path.c_str(), "rb");
  if (file == nullptr)
    throw UsageError("--batch: cannot read '" + path + "': " + std::strerror(errno));
  std::string content;
  char buffer[65536];
  std::size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, file)) > 0) content.append(buffer, n);
  const bool failed = std::ferror(file) != 0;
  const int error = errno;
  if (file != stdin) std::fclose(file);
  if (failed) throw UsageError("--batch: cannot read '" + path + "': " + std::strerror(error));
  return content;
}

int RunBatch(const Options& options, PictureSink& sink) {
  std::vector<std::string> lines;
  try {
    lines = SplitLines(ReadBatch(*options.batch));
  } catch (const UsageError& e) {
    ReportLine(std::string("barcode-cli: ") + e.what());
    return kExitUsage;
  }
  bool failed = false;
  // The next pictures are drawn while the files of the last ones are written.
  if (options.output == Output::Picture)
    sink.writer = std::make_unique<TBatchWriter>(sink.files, ReportLine);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const std::size_t number = i + 1;
    const std::string outputPath = options.output == Output::Picture
                                       ? BatchOutputPath(options.outputPath, number)
                                       : std::string();
    sink.linePrefix = "line " + std::to_string(number) + ": ";
    const std::string failure = TryProduce(options, lines[i], outputPath, sink);
    if (failure.empty()) continue;
    failed = true;
    sink.Report(sink.linePrefix + failure);
    // Output line k stays the answer to input line k.
    if (options.output == Output::Pattern || options.output == Output::Json) {
      try {
        WriteStdout(options.output == Output::Json ? "null\n" : "\n");
      } catch (const OutputError& e) {
        ReportLine(e.what());
        return kExitFailure;
      }
    }
  }
  if (sink.writer && !sink.writer->Finish()) failed = true;
  sink.writer.reset();
  return failed ? kExitFailure : 0;
}

int RunOne(const Options& options, PictureSink& sink) {
  const std::string failure = TryProduce(options, options.data, options.outputPath, sink);
  if (failure.empty()) return 0;
  ReportLine(failure);
  return kExitFailure;
}

}  // namespace

int Run(int argc, char** argv, const TMakerFor& makeMaker) {
  Options options;
  try {
    options = ParseArguments(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const UsageError& e) {
    ReportLine(std::string("barcode-cli: ") + e.what());
    return kExitUsage;
  }
  try {
    switch (options.action) {
      case Action::Help:
        WriteStdout(HelpText());
        return 0;
      case Action::Version:
        WriteStdout("barcode-cli " BARCODE_VERSION "\n");
        return 0;
      case Action::ListTypes:
        WriteStdout(TypeList());
        return 0;
      case Action::Run:
        break;
    }
  } catch (const OutputError& e) {
    ReportLine(e.what());
    return kExitFailure;
  }
  PictureSink sink;
  std::string noMaker;
  if (options.output == Output::Picture) {
    // Before anything is said: the maker may be another program, which says it all again.
    try {
      sink.maker = makeMaker(options);
    } catch (const ModuleError& e) {
      noMaker = e.what();
    }
  }
  for (const std::string& note : options.notes) ReportLine(note);
  if (!noMaker.empty()) {
    ReportLine(noMaker);
    return kExitFailure;
  }
  int status = options.batch ? RunBatch(options, sink) : RunOne(options, sink);
  // On request, one flush for every file of the run, after the last.
  if (options.sync) {
    if (const int error = sink.files.Sync(); error != 0) {
      ReportLine(std::string("Cannot flush the pictures to the disk: ") + std::strerror(error));
      status = kExitFailure;
    }
  }
  if (sink.maker) {
    // Qt's teardown at exit costs more than a picture and leaves nothing to save: every file
    // is written and standard output flushed by now.
    std::fflush(nullptr);
    std::_Exit(status);
  }
  return status;
}

}  // namespace bars::cli
