// Where the game's printed lines go. The session makes one on standard output
// and standard error and hands it to every part that prints; tests make one on
// string buffers and read what the game said. Lines keep the stream's default
// formatting (floats as `std::cout << f` prints them) and are flushed at once,
// so a crash or a kill loses none of them.
#pragma once

#include <ostream>

namespace brindlemoor::io {

class Output {
public:
    Output(std::ostream& out, std::ostream& err) : out_(&out), err_(&err) {}

    // One whole line of the parts, one after the other.
    template <class... Parts>
    void line(const Parts&... parts) {
        ((*out_ << parts), ...);
        *out_ << std::endl;
    }
    // Text without an end of line: a later message finishes the line.
    template <class... Parts>
    void text(const Parts&... parts) {
        ((*out_ << parts), ...);
        out_->flush();
    }
    // The stream itself, for a report written in one go (`--stats`).
    std::ostream& stream() { return *out_; }
    // A line on standard error (only the model importer's own report goes there).
    template <class... Parts>
    void errorLine(const Parts&... parts) {
        ((*err_ << parts), ...);
        *err_ << std::endl;
    }

private:
    std::ostream* out_;
    std::ostream* err_;
};

}  // namespace brindlemoor::io
