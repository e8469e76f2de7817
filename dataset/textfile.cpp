#include "dataset/textfile.h"

#include "platform/codepage.h"

#include <QFile>
#include <QStringDecoder>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const QString kNotText = QStringLiteral("not a text file");

QString TooLarge(qint64 maxBytes)
{
    return QStringLiteral("file is too large (more than %1 MiB)").arg(maxBytes / (1024 * 1024));
}

// Why a file of this kind cannot be read as data; empty for a regular file.
QString RefusedKind(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    if (S_ISDIR(mode))
        return QStringLiteral("is a directory, not a file");
    return QStringLiteral("not a regular file");
}

// Closes a file descriptor on every way out.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {
    }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return m_fd; }

private:
    int m_fd;
};

// Reads up to limit bytes; false on a read error.
bool ReadUpTo(int fd, qint64 limit, QByteArray& bytes)
{
    constexpr qint64 kChunk = 64 * 1024;
    while (bytes.size() < limit) {
        const qint64 want = std::min(kChunk, limit - bytes.size());
        const qsizetype old = bytes.size();
        bytes.resize(old + want);
        const ssize_t got = ::read(fd, bytes.data() + old, static_cast<size_t>(want));
        if (got < 0 && errno == EINTR) {
            bytes.resize(old);
            continue;
        }
        if (got < 0) {
            bytes.resize(old);
            return false;
        }
        bytes.resize(old + got);
        if (got == 0)
            break;
    }
    return true;
}

bool IsAllowedControl(char16_t c) { return c == u'\t' || c == u'\n' || c == u'\r'; }

bool IsControl(char16_t c) { return c < 0x20 || (c >= 0x7F && c <= 0x9F); }

bool HasForbiddenControl(const QString& text)
{
    for (const QChar c : text) {
        if (IsControl(c.unicode()) && !IsAllowedControl(c.unicode()))
            return true;
    }
    return false;
}

// Decodes with a strict decoder; nothing when the bytes are not valid in the encoding.
std::optional<QString> DecodeStrictly(QByteArrayView bytes, QStringConverter::Encoding encoding)
{
    QStringDecoder decoder(encoding, QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

std::optional<QString> DecodeAnyEncoding(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return DecodeStrictly(bytes.sliced(3), QStringConverter::Utf8);
    const bool utf16le = bytes.startsWith("\xFF\xFE");
    if (utf16le || bytes.startsWith("\xFE\xFF")) {
        if (bytes.size() % 2 != 0)
            return std::nullopt;
        return DecodeStrictly(bytes.sliced(2),
                              utf16le ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
    }
    if (auto text = DecodeStrictly(bytes, QStringConverter::Utf8))
        return text;
    return DecodeWindows1252(bytes);
}

} // namespace

Result<QByteArray> ReadRegularFile(const QString& path, qint64 maxBytes)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info { };
    if (name.isEmpty() || ::stat(name.constData(), &info) != 0) {
        const bool missing = name.isEmpty() || errno == ENOENT || errno == ENOTDIR;
        return Result<QByteArray>::Failure(missing ? QStringLiteral("file not found")
                                                   : QStringLiteral("cannot open the file"));
    }
    if (const QString refused = RefusedKind(info.st_mode); !refused.isEmpty())
        return Result<QByteArray>::Failure(refused);
    if (info.st_size > maxBytes)
        return Result<QByteArray>::Failure(TooLarge(maxBytes));

    // Non-blocking, in case the path has become a pipe since the check above.
    const FileDescriptor file(::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (file.Get() < 0)
        return Result<QByteArray>::Failure(QStringLiteral("cannot open the file"));
    if (::fstat(file.Get(), &info) != 0)
        return Result<QByteArray>::Failure(QStringLiteral("cannot read the file"));
    if (const QString refused = RefusedKind(info.st_mode); !refused.isEmpty())
        return Result<QByteArray>::Failure(refused);

    // One byte more than allowed tells a file that has grown past the cap.
    QByteArray bytes;
    bytes.reserve(std::min<qint64>(info.st_size, maxBytes) + 1);
    if (!ReadUpTo(file.Get(), maxBytes + 1, bytes))
        return Result<QByteArray>::Failure(QStringLiteral("cannot read the file"));
    if (bytes.size() > maxBytes)
        return Result<QByteArray>::Failure(TooLarge(maxBytes));
    return bytes;
}

Result<QString> DecodeText(QByteArrayView bytes)
{
    std::optional<QString> text = DecodeAnyEncoding(bytes);
    if (!text || HasForbiddenControl(*text))
        return Result<QString>::Failure(kNotText);
    return std::move(*text);
}
