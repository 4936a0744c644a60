#include "conversions/list_reader.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <limits>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/cp1252.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"
#include "platform/text_file.h"

namespace ohmira {

namespace {

bool is_line_end(char c) {
    return c == '\r' || c == '\n';
}
bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

// Closes the descriptor on every way out.
struct Descriptor {
    int fd;
    ~Descriptor() {
        if (fd >= 0)
            ::close(fd);
    }
};

} // namespace

ListReader ListReader::open(const std::string &path) {
    if (path.empty())
        throw RuntimeError(err::BadFileNameOrNumber, path);
    // Non-blocking, so that opening a FIFO without a writer returns at once; the type is checked
    // on the open descriptor before anything is read.
    Descriptor file{::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC)};
    if (file.fd < 0)
        throw RuntimeError(file_error_number(errno, path), path);
    struct stat st {};
    if (::fstat(file.fd, &st) != 0 || !S_ISREG(st.st_mode))
        throw RuntimeError(err::PathFileAccess, path);
    if (st.st_size > max_bytes)
        throw RuntimeError(FileTooLarge, path);

    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw RuntimeError(err::DeviceIO, path);
        }
        if (n == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(n));
        // The file may grow while it is read.
        if (static_cast<std::int64_t>(bytes.size()) > max_bytes)
            throw RuntimeError(FileTooLarge, path);
    }
    return ListReader(std::move(bytes));
}

ListReader::ListReader(std::string bytes) : data_(std::move(bytes)) {
    // Ctrl+Z ends the text of old DOS files.
    if (const auto z = data_.find('\x1a'); z != std::string::npos)
        data_.resize(z);
    // Found once, so that telling the end costs nothing however many blank lines come before it.
    content_end_ = data_.size();
    while (content_end_ > 0 &&
           (is_blank(data_[content_end_ - 1]) || is_line_end(data_[content_end_ - 1])))
        --content_end_;
}

bool ListReader::at_end() const {
    return pos_ >= content_end_;
}

bool ListReader::eof() const {
    return at_end();
}

int ListReader::line_number() const {
    // Counted on from where the last call stopped: the reader only moves forward.
    const auto end = std::min(item_start_, data_.size());
    for (; counted_to_ < end; ++counted_to_) {
        const char c = data_[counted_to_];
        if (c == '\n' ||
            (c == '\r' && (counted_to_ + 1 >= data_.size() || data_[counted_to_ + 1] != '\n')))
            ++line_;
    }
    return line_;
}

void ListReader::skip_blanks() {
    while (pos_ < data_.size() && is_blank(data_[pos_]))
        ++pos_;
}

void ListReader::consume_line_end() {
    if (pos_ < data_.size() && data_[pos_] == '\r')
        ++pos_;
    if (pos_ < data_.size() && data_[pos_] == '\n')
        ++pos_;
}

void ListReader::consume_delimiter() {
    skip_blanks();
    if (pos_ >= data_.size())
        return;
    if (data_[pos_] == ',')
        ++pos_;
    else if (is_line_end(data_[pos_]))
        consume_line_end();
}

std::string ListReader::quoted() {
    const auto close = data_.find('"', pos_ + 1);
    const auto end = close == std::string::npos ? data_.size() : close;
    std::string text = data_.substr(pos_ + 1, end - pos_ - 1);
    pos_ = close == std::string::npos ? data_.size() : close + 1;
    // Anything between the closing quote and the delimiter is dropped.
    while (pos_ < data_.size() && data_[pos_] != ',' && !is_line_end(data_[pos_]))
        ++pos_;
    consume_delimiter();
    return text;
}

std::string ListReader::text() {
    if (at_end())
        throw RuntimeError(err::InputPastEnd);
    skip_blanks();
    item_start_ = pos_;
    if (data_[pos_] == '"')
        return cp1252_to_utf8(quoted());
    const auto start = pos_;
    while (pos_ < data_.size() && data_[pos_] != ',' && !is_line_end(data_[pos_]))
        ++pos_;
    std::string item = data_.substr(start, pos_ - start);
    if (pos_ < data_.size()) {
        if (data_[pos_] == ',')
            ++pos_;
        else
            consume_line_end();
    }
    return cp1252_to_utf8(item);
}

std::string ListReader::number_token() {
    if (at_end())
        throw RuntimeError(err::InputPastEnd);
    while (is_blank(data_[pos_]) || is_line_end(data_[pos_]))
        ++pos_;
    item_start_ = pos_;
    if (data_[pos_] == '"')
        return quoted();
    const auto start = pos_;
    while (pos_ < data_.size() && data_[pos_] != ',' && !is_blank(data_[pos_]) &&
           !is_line_end(data_[pos_]))
        ++pos_;
    std::string token = data_.substr(start, pos_ - start);
    consume_delimiter();
    return token;
}

std::string ListReader::word() {
    return cp1252_to_utf8(number_token());
}

double ListReader::number() {
    const auto value = parse_number_item(number_token());
    if (!value)
        throw RuntimeError(err::TypeMismatch);
    if (!std::isfinite(*value))
        throw RuntimeError(err::Overflow);
    return *value;
}

float ListReader::single() {
    const double v = number();
    if (std::fabs(v) > std::numeric_limits<float>::max())
        throw RuntimeError(err::Overflow);
    return static_cast<float>(v);
}

std::int16_t ListReader::integer() {
    return CInt_or_throw(number());
}

std::int32_t ListReader::long_number() {
    return CLng_or_throw(number());
}

std::string ListReader::line() {
    if (at_end())
        throw RuntimeError(err::InputPastEnd);
    const auto start = pos_;
    item_start_ = pos_;
    while (pos_ < data_.size() && !is_line_end(data_[pos_]))
        ++pos_;
    std::string text = data_.substr(start, pos_ - start);
    consume_line_end();
    return cp1252_to_utf8(text);
}

} // namespace ohmira
