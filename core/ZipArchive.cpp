#include "ZipArchive.h"

#include "FileError.h"
#include "WorkQueue.h"

#include <zip.h>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

struct TZipArchive::TState {
    zip* archive = nullptr;
    std::shared_ptr<const std::string> bytes; // the archive itself, when it was read into memory
    TUniqueFd file; // the archive's file otherwise, kept to open it again for a twin
    ~TState()
    {
        if (archive)
            zip_discard(archive);
    }
};

namespace {

std::string ZipErrorText(int code)
{
    zip_error_t error;
    zip_error_init_with_code(&error, code);
    std::string text = zip_error_strerror(&error);
    zip_error_fini(&error);
    return text;
}

[[noreturn]] void ThrowNotZip(const std::string& why) { throw TWorkbookError("it is not a ZIP archive, as workbooks are (" + why + ")"); }

std::string MiB(std::uint64_t bytes) { return std::to_string(bytes >> 20) + " MiB"; }

std::string TooLarge(const std::string& name, std::uint64_t limit)
{
    return "its part \"" + name + "\" unpacks to more than " + MiB(limit) + ", more than a workbook's part may (a ZIP bomb?)";
}

// Parts from this size on unpack ahead of their reader, a few pieces at most.
constexpr std::uint64_t kUnpackAheadFrom = std::uint64_t(4) << 20;
constexpr std::size_t kPiecesAhead = 4;

// The bytes of a file that cannot be read twice, up to `limit`.
std::string ReadAll(int fd, const std::string& fileName, std::size_t limit)
{
    std::string bytes;
    std::vector<char> piece(1 << 16);
    for (;;) {
        const ssize_t n = ::read(fd, piece.data(), piece.size());
        if (n == 0)
            return bytes;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw TFileError(fileName, std::strerror(errno));
        }
        if (bytes.size() + std::size_t(n) > limit)
            throw TWorkbookError("it is larger than " + MiB(limit));
        bytes.append(piece.data(), std::size_t(n));
    }
}

} // namespace

TZipArchive::TZipArchive(std::unique_ptr<TState> state) : state_(std::move(state)) {}
TZipArchive::TZipArchive(TZipArchive&&) noexcept = default;
TZipArchive& TZipArchive::operator=(TZipArchive&&) noexcept = default;
TZipArchive::~TZipArchive() = default;

TZipArchive TZipArchive::OpenFile(const std::string& fileName, std::size_t memoryLimit)
{
    const bool standardInput = fileName == "-";
    // Opened without waiting, so that a pipe without a writer cannot hold it up.
    const int fd = standardInput ? ::dup(STDIN_FILENO) : ::open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw TFileError(fileName, std::strerror(errno));
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        const int flags = ::fcntl(fd, F_GETFL);
        if (flags >= 0)
            ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
        try {
            std::string bytes = ReadAll(fd, fileName, memoryLimit);
            ::close(fd);
            return FromBytes(std::move(bytes));
        } catch (...) {
            ::close(fd);
            throw;
        }
    }
    return OpenDescriptor(TUniqueFd(fd));
}

TZipArchive TZipArchive::OpenDescriptor(TUniqueFd fd)
{
    auto state = std::make_unique<TState>();
    state->file = TUniqueFd(::fcntl(fd.Get(), F_DUPFD_CLOEXEC, 0));
    int code = 0;
    zip* archive = zip_fdopen(fd.Get(), ZIP_RDONLY, &code); // takes the descriptor when it succeeds
    if (!archive)
        ThrowNotZip(ZipErrorText(code));
    fd.Release();
    state->archive = archive;
    return TZipArchive(std::move(state));
}

TZipArchive TZipArchive::FromBytes(std::string bytes)
{
    return FromShared(std::make_shared<const std::string>(std::move(bytes)));
}

TZipArchive TZipArchive::FromShared(std::shared_ptr<const std::string> bytes)
{
    auto state = std::make_unique<TState>();
    state->bytes = std::move(bytes);
    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(state->bytes->data(), state->bytes->size(), 0, &error);
    if (source)
        state->archive = zip_open_from_source(source, ZIP_RDONLY, &error);
    if (!state->archive) {
        if (source)
            zip_source_free(source);
        const std::string why = zip_error_strerror(&error);
        zip_error_fini(&error);
        ThrowNotZip(why);
    }
    zip_error_fini(&error);
    return TZipArchive(std::move(state));
}

TZipArchive TZipArchive::Twin() const
{
    if (state_->bytes)
        return FromShared(state_->bytes);
    // Opened again through /proc, so that the twin reads at offsets of its own.
    const std::string path = "/proc/self/fd/" + std::to_string(state_->file.Get());
    TUniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd)
        throw TWorkbookError(std::string("it cannot be read twice at once: ") + std::strerror(errno));
    return OpenDescriptor(std::move(fd));
}

bool TZipArchive::Has(const std::string& name) const
{
    return zip_name_locate(state_->archive, name.c_str(), ZIP_FL_NOCASE) >= 0;
}

void TZipArchive::Read(const std::string& name, std::uint64_t limit,
                       const std::function<bool(std::string_view)>& take) const
{
    const zip_int64_t index = zip_name_locate(state_->archive, name.c_str(), ZIP_FL_NOCASE);
    if (index < 0)
        throw TWorkbookError("its part \"" + name + "\" is missing");
    zip_stat_t stat;
    const bool sized = zip_stat_index(state_->archive, zip_uint64_t(index), 0, &stat) == 0 && (stat.valid & ZIP_STAT_SIZE);
    if (sized && stat.size > limit)
        throw TWorkbookError(TooLarge(name, limit));
    if (!sized || stat.size < kUnpackAheadFrom)
        return Unpack(std::uint64_t(index), name, limit, take);
    // A large part unpacks in a thread of its own while the caller takes its
    // pieces: the two work side by side.
    TWorkQueue<std::string> pieces(kPiecesAhead, [&](const std::function<bool(std::string)>& put) {
        Unpack(std::uint64_t(index), name, limit, [&](std::string_view piece) { return put(std::string(piece)); });
    });
    while (const std::optional<std::string> piece = pieces.Take())
        if (!take(*piece))
            return;
}

void TZipArchive::Unpack(std::uint64_t index, const std::string& name, std::uint64_t limit,
                         const std::function<bool(std::string_view)>& take) const
{
    zip_file_t* file = zip_fopen_index(state_->archive, zip_uint64_t(index), 0);
    if (!file)
        throw TWorkbookError("its part \"" + name + "\" cannot be unpacked: " + zip_error_strerror(zip_get_error(state_->archive)));
    std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> closer(file, &zip_fclose);
    std::vector<char> piece(1 << 18);
    std::uint64_t unpacked = 0;
    for (;;) {
        // One byte beyond the limit tells a part that holds more from one that ends there.
        const std::uint64_t room = std::min<std::uint64_t>(piece.size(), limit + 1 - unpacked);
        const zip_int64_t n = zip_fread(file, piece.data(), room);
        if (n < 0)
            throw TWorkbookError("its part \"" + name + "\" is damaged: " + zip_error_strerror(zip_file_get_error(file)));
        if (n == 0)
            return;
        unpacked += std::uint64_t(n);
        if (unpacked > limit)
            throw TWorkbookError(TooLarge(name, limit));
        if (!take(std::string_view(piece.data(), std::size_t(n))))
            return;
    }
}

std::string TZipArchive::ReadWhole(const std::string& name, std::uint64_t limit) const
{
    std::string bytes;
    Read(name, limit, [&](std::string_view piece) {
        bytes.append(piece);
        return true;
    });
    return bytes;
}
