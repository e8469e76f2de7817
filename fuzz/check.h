#pragma once
// What every fuzz target uses: a check that stops the run, splitting an input into
// parts, and a quiet Qt.
#include <QByteArray>
#include <QList>
#include <QtGlobal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// A broken property is a finding like a crash: the fuzzer keeps the input.
#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition)) {                                                                                  \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #condition);               \
            std::abort();                                                                                    \
        }                                                                                                    \
    } while (false)

// The input cut at every NUL byte (so n NUL bytes give n + 1 parts).
inline QList<QByteArray> SplitAtNul(const uint8_t* data, size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\0');
}

// Warnings about refused input are expected by the thousand; they only slow the run.
inline void SilenceQt()
{
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
}
