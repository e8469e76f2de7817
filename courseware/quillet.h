#pragma once
// Common ground of the courseware link and the courseware server: the error class,
// the message codes and the names of the two kinds of message windows.
#include <QString>
#include <QtGlobal>
#include <stdexcept>

// Errors of the courseware link.
class EQuillet : public std::runtime_error {
public:
    explicit EQuillet(const QString& message)
        : std::runtime_error(message.toStdString())
    {
    }
};

// Codes of the messages between programs, servers and the copies of a program.
namespace QuilletCode {
inline constexpr quint32 Quit = 4096; // server -> client: 1 byte server-down flag
inline constexpr quint32 Reply = 4097; // server -> client: request stamp, answer
inline constexpr quint32 Register = 4098; // client -> server: entity record
inline constexpr quint32 Unregister = 4099; // client -> server: entity record
inline constexpr quint32 FindEntity = 4100; // client -> server: kind, handle or title
inline constexpr quint32 NewParameters = 4101; // copy -> copy: parameter lines
inline constexpr quint32 ExecuteProgram = 4102; // client -> server: program, params, wait, value
inline constexpr quint32 FetchFile = 4103; // client -> server: file name
inline constexpr quint32 ServerFileName = 4104; // client -> server: local program file
inline constexpr quint32 ServerString = 4105; // client -> server: text
inline constexpr quint32 ServerParam = 4106; // client -> server: parameter name
} // namespace QuilletCode

// The first byte of a find-entity request.
namespace QuilletFindKind {
inline constexpr quint8 ByHandle = 1;
inline constexpr quint8 ByTitle = 2;
} // namespace QuilletFindKind

inline const QString QuilletClientWindowClass = QStringLiteral("ThisIsTheQuilletClientComponentWindowClass");

// A server's window class and window name carry its identifier at the end.
inline QString QuilletServerWindowClass(const QString& identifier)
{
    return QStringLiteral("ThisIsTheQuilletServerComponentWindowClass") + identifier;
}

inline QString QuilletServerWindowName(const QString& identifier)
{
    return QStringLiteral("ThisIsTheQuilletServerComponentWindow") + identifier;
}
