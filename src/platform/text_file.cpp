#include "platform/text_file.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <limits>
#include <vector>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/cp1252.h"
#include "platform/number_text.h"
#include "platform/runtime_error.h"

namespace ohmira {

namespace fs = std::filesystem;

namespace {

// Every open TextFile, for close_all_files().
std::vector<TextFile *> &registry() {
    static std::vector<TextFile *> files;
    return files;
}

bool is_line_end(char c) {
    return c == '\r' || c == '\n';
}
bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

[[noreturn]] void fail(int number, const fs::path &path) {
    throw RuntimeError(number, path.string());
}

[[noreturn]] void fail_errno(int errno_value, const fs::path &path) {
    fail(file_error_number(errno_value, path), path);
}

// Permission bits a new file gets (0666 less the process umask).
mode_t new_file_mode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

} // namespace

int file_error_number(int errno_value, const fs::path &path) {
    switch (errno_value) {
    case ENOENT: {
        std::error_code ec;
        const auto parent = path.parent_path();
        if (!parent.empty() && !fs::is_directory(parent, ec))
            return err::PathNotFound;
        return err::FileNotFound;
    }
    case ENOTDIR:
        return err::PathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return err::PathFileAccess;
    case ETXTBSY:
    case EBUSY:
        return err::PermissionDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return err::DiskFull;
    case ENAMETOOLONG:
    case EINVAL:
    case EILSEQ:
        return err::BadFileNameOrNumber;
    case EMFILE:
    case ENFILE:
        return err::TooManyFiles;
    case ENXIO:
    case ENODEV:
    case ENOMEDIUM:
        return err::DeviceUnavailable;
    case EIO:
        return err::DeviceIO;
    default:
        return err::PathFileAccess;
    }
}

struct TextFile::Impl {
    bool open = true;
    // Input: the whole file as read, up to a Ctrl+Z end mark.
    std::string data;
    std::size_t pos = 0;
    // Output and append.
    std::FILE *out = nullptr;
    fs::path temp; // output only: the file written beside the target
    int col = 0;   // characters written on the current line

    void put(std::string_view bytes, const fs::path &path) {
        if (bytes.empty())
            return;
        if (std::fwrite(bytes.data(), 1, bytes.size(), out) != bytes.size())
            fail_errno(errno, path);
        const auto nl = bytes.find_last_of('\n');
        col = nl == std::string_view::npos ? col + static_cast<int>(bytes.size())
                                           : static_cast<int>(bytes.size() - nl - 1);
    }

    // Nothing left but blanks and line ends: a file that ends in blank lines ends at its last
    // text, so that a read loop "until the end of the file" does not fail on them.
    bool at_end() const {
        for (auto i = pos; i < data.size(); ++i)
            if (!is_blank(data[i]) && !is_line_end(data[i]))
                return false;
        return true;
    }

    void skip_blanks() {
        while (pos < data.size() && is_blank(data[pos]))
            ++pos;
    }

    void consume_line_end() {
        if (pos < data.size() && data[pos] == '\r')
            ++pos;
        if (pos < data.size() && data[pos] == '\n')
            ++pos;
    }

    // After an item: the comma or line end that closes it.
    void consume_delimiter() {
        skip_blanks();
        if (pos >= data.size())
            return;
        if (data[pos] == ',') {
            ++pos;
        } else if (is_line_end(data[pos])) {
            consume_line_end();
        }
    }

    // A quoted item, pos on its opening quote; runs to the closing quote (across line ends),
    // then anything up to the delimiter is dropped.
    std::string quoted() {
        const auto close = data.find('"', pos + 1);
        const auto end = close == std::string::npos ? data.size() : close;
        std::string text = data.substr(pos + 1, end - pos - 1);
        pos = close == std::string::npos ? data.size() : close + 1;
        skip_blanks();
        while (pos < data.size() && data[pos] != ',' && !is_line_end(data[pos]))
            ++pos;
        consume_delimiter();
        return text;
    }
};

TextFile::TextFile(const fs::path &path, OpenMode mode)
    : mode_(mode), path_(path), impl_(std::make_unique<Impl>()) {
    if (path.empty())
        fail(err::BadFileNameOrNumber, path);
    std::error_code ec;
    if (fs::is_directory(path, ec))
        fail(err::PathFileAccess, path);

    switch (mode) {
    case OpenMode::Input: {
        std::FILE *f = std::fopen(path.c_str(), "rb");
        if (!f)
            fail_errno(errno, path);
        char buf[65536];
        std::size_t n;
        while ((n = std::fread(buf, 1, sizeof buf, f)) > 0)
            impl_->data.append(buf, n);
        const bool bad = std::ferror(f);
        std::fclose(f);
        if (bad)
            fail(err::DeviceIO, path);
        // Ctrl+Z ends the text of old DOS files.
        if (const auto z = impl_->data.find('\x1a'); z != std::string::npos)
            impl_->data.resize(z);
        break;
    }
    case OpenMode::Output: {
        // An existing target must be writable, as an open for output of it would require.
        if (fs::exists(path, ec) && ::access(path.c_str(), W_OK) != 0)
            fail_errno(errno, path);
        const auto dir = path.has_parent_path() ? path.parent_path() : fs::path(".");
        std::string pattern = (dir / ("." + path.filename().string() + ".XXXXXX")).string();
        const int fd = ::mkstemp(pattern.data());
        if (fd < 0)
            fail_errno(errno, path);
        struct stat st {};
        ::fchmod(fd, ::stat(path.c_str(), &st) == 0 ? (st.st_mode & 07777) : new_file_mode());
        impl_->temp = pattern;
        impl_->out = ::fdopen(fd, "wb");
        if (!impl_->out) {
            const int e = errno;
            ::close(fd);
            fs::remove(impl_->temp, ec);
            fail_errno(e, path);
        }
        break;
    }
    case OpenMode::Append:
        impl_->out = std::fopen(path.c_str(), "ab");
        if (!impl_->out)
            fail_errno(errno, path);
        break;
    }
    registry().push_back(this);
}

TextFile::~TextFile() {
    std::erase(registry(), this);
    if (!impl_->open)
        return;
    if (impl_->out)
        std::fclose(impl_->out);
    if (!impl_->temp.empty()) {
        // Not closed: the write did not finish, so the old file stays as it was.
        std::error_code ec;
        fs::remove(impl_->temp, ec);
    }
}

void TextFile::close() {
    if (!impl_->open)
        return;
    impl_->open = false;
    std::erase(registry(), this);
    if (!impl_->out)
        return;
    std::FILE *f = impl_->out;
    impl_->out = nullptr;
    bool ok = std::fflush(f) == 0;
    int e = errno;
    if (ok && !impl_->temp.empty() && ::fsync(::fileno(f)) != 0) {
        ok = false;
        e = errno;
    }
    if (std::fclose(f) != 0 && ok) {
        ok = false;
        e = errno;
    }
    if (impl_->temp.empty()) {
        if (!ok)
            fail_errno(e, path_);
        return;
    }
    std::error_code ec;
    if (ok && std::rename(impl_->temp.c_str(), path_.c_str()) != 0) {
        ok = false;
        e = errno;
    }
    if (!ok) {
        fs::remove(impl_->temp, ec);
        impl_->temp.clear();
        fail_errno(e, path_);
    }
    impl_->temp.clear();
}

bool TextFile::is_open() const {
    return impl_->open;
}

namespace {

void require(const TextFile &f, bool open, OpenMode have, bool want_input) {
    if (!open)
        fail(err::BadFileNameOrNumber, f.path());
    if ((have == OpenMode::Input) != want_input)
        fail(err::BadFileMode, f.path());
}

} // namespace

std::string TextFile::input_text() {
    require(*this, impl_->open, mode_, true);
    auto &d = *impl_;
    if (d.at_end())
        fail(err::InputPastEnd, path_);
    d.skip_blanks();
    if (d.data[d.pos] == '"')
        return cp1252_to_utf8(d.quoted());
    const auto start = d.pos;
    while (d.pos < d.data.size() && d.data[d.pos] != ',' && !is_line_end(d.data[d.pos]))
        ++d.pos;
    std::string text = d.data.substr(start, d.pos - start);
    if (d.pos < d.data.size()) {
        if (d.data[d.pos] == ',')
            ++d.pos;
        else
            d.consume_line_end();
    }
    return cp1252_to_utf8(text);
}

double TextFile::input_number() {
    require(*this, impl_->open, mode_, true);
    auto &d = *impl_;
    if (d.at_end())
        fail(err::InputPastEnd, path_);
    while (is_blank(d.data[d.pos]) || is_line_end(d.data[d.pos]))
        ++d.pos;
    std::string token;
    if (d.data[d.pos] == '"') {
        token = d.quoted();
    } else {
        const auto start = d.pos;
        while (d.pos < d.data.size() && d.data[d.pos] != ',' && !is_blank(d.data[d.pos]) &&
               !is_line_end(d.data[d.pos]))
            ++d.pos;
        token = d.data.substr(start, d.pos - start);
        d.consume_delimiter();
    }
    const auto value = parse_number_item(token);
    if (!value)
        fail(err::TypeMismatch, path_);
    return *value;
}

float TextFile::input_single() {
    const double v = input_number();
    if (std::fabs(v) > std::numeric_limits<float>::max())
        fail(err::Overflow, path_);
    return static_cast<float>(v);
}

std::int16_t TextFile::input_integer() {
    const auto v = CInt(input_number());
    if (!v)
        fail(err::Overflow, path_);
    return *v;
}

std::int32_t TextFile::input_long() {
    const auto v = CLng(input_number());
    if (!v)
        fail(err::Overflow, path_);
    return *v;
}

std::string TextFile::line_input() {
    require(*this, impl_->open, mode_, true);
    auto &d = *impl_;
    if (d.at_end())
        fail(err::InputPastEnd, path_);
    const auto start = d.pos;
    while (d.pos < d.data.size() && !is_line_end(d.data[d.pos]))
        ++d.pos;
    std::string line = d.data.substr(start, d.pos - start);
    d.consume_line_end();
    return cp1252_to_utf8(line);
}

bool TextFile::eof() const {
    if (!impl_->open)
        fail(err::BadFileNameOrNumber, path_);
    if (mode_ != OpenMode::Input)
        return true;
    return impl_->at_end();
}

TextFile::Item::Item(const Variant &v) {
    if (v.is_text()) {
        kind_ = Kind::Text;
        text_ = v.text();
    } else if (v.is_single()) {
        kind_ = Kind::Single;
        number_ = v.num();
    } else if (v.is_double()) {
        kind_ = Kind::Double;
        number_ = v.num();
    }
}

std::string TextFile::Item::written() const {
    switch (kind_) {
    case Kind::Double:
        return number_text(number_);
    case Kind::Single:
        return number_text_single(static_cast<float>(number_));
    case Kind::Text:
        return "\"" + text_ + "\"";
    case Kind::Empty:
        break;
    }
    return {};
}

void TextFile::write_record(std::initializer_list<Item> items) {
    require(*this, impl_->open, mode_, false);
    std::string line;
    bool first = true;
    for (const auto &item : items) {
        if (!first)
            line += ',';
        first = false;
        line += item.written();
    }
    line += "\r\n";
    impl_->put(utf8_to_cp1252(line), path_);
}

void TextFile::print_text(std::string_view text) {
    require(*this, impl_->open, mode_, false);
    impl_->put(utf8_to_cp1252(text), path_);
}

void TextFile::print_number(double value) {
    print_text(Str(value) + " ");
}

void TextFile::print_number_single(float value) {
    print_text(Str_single(value) + " ");
}

void TextFile::print_zone() {
    require(*this, impl_->open, mode_, false);
    const int next = (impl_->col / zone_width + 1) * zone_width;
    impl_->put(std::string(static_cast<std::size_t>(next - impl_->col), ' '), path_);
}

void TextFile::print_tab(int column) {
    require(*this, impl_->open, mode_, false);
    const int target = std::max(column, 1) - 1;
    if (impl_->col > target)
        impl_->put("\r\n", path_);
    impl_->put(std::string(static_cast<std::size_t>(target - impl_->col), ' '), path_);
}

void TextFile::print_line() {
    require(*this, impl_->open, mode_, false);
    impl_->put("\r\n", path_);
}

int TextFile::column() const {
    return impl_->col + 1;
}

void close_all_files() {
    const auto files = registry();
    int first_error = 0;
    fs::path error_path;
    for (auto *f : files) {
        try {
            f->close();
        } catch (const RuntimeError &e) {
            if (!first_error) {
                first_error = e.number;
                error_path = f->path();
            }
        }
    }
    if (first_error)
        fail(first_error, error_path);
}

int open_file_count() {
    return static_cast<int>(registry().size());
}

void write_whole_file(const fs::path &path, std::string_view content) {
    TextFile f(path, OpenMode::Output);
    f.print_text(content);
    f.close();
}

} // namespace ohmira
