#pragma once

#include <QByteArray>
#include <QtEndian>

#include <cstdint>

// The byte order of every file format the program reads and writes (bitmaps, icons).
namespace littleendian {

inline uint32_t get16(const uchar *p) { return qFromLittleEndian<quint16>(p); }

inline uint32_t get32(const uchar *p) { return qFromLittleEndian<quint32>(p); }

inline void put16(char *p, uint32_t v) { qToLittleEndian<quint16>(quint16(v), p); }

inline void put32(char *p, uint32_t v) { qToLittleEndian<quint32>(v, p); }

inline void append16(QByteArray &out, uint32_t v)
{
    char b[2];
    put16(b, v);
    out.append(b, 2);
}

inline void append32(QByteArray &out, uint32_t v)
{
    char b[4];
    put32(b, v);
    out.append(b, 4);
}

} // namespace littleendian
