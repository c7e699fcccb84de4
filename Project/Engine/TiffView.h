#pragma once
// Bounds-checked reads and writes of a TIFF structure (an Exif block) in its
// own byte order; every offset is relative to the TIFF header, which follows
// an "Exif\0\0" prefix when the block has one. Reads past the end give 0.

#include <QByteArray>

class CTiffView
{
public:
    explicit CTiffView(QByteArray& data) : m_Data(data), m_Base(data.startsWith(QByteArray("Exif\0\0", 6)) ? 6 : 0)
    {
        m_Big = data.mid(m_Base, 2) == "MM";
    }

    bool Valid() const
    {
        const QByteArray mark = m_Data.mid(m_Base, 2);
        return (mark == "II" || mark == "MM") && U16(2) == 42;
    }
    // Where the TIFF header begins in the data.
    int Base() const { return m_Base; }
    qint64 Size() const { return m_Data.size() - m_Base; }
    bool Has(qint64 offset, qint64 size) const { return offset >= 0 && size >= 0 && offset + size <= Size(); }
    quint32 U16(qint64 offset) const { return Read(offset, 2); }
    quint32 U32(qint64 offset) const { return Read(offset, 4); }
    // Writes need Has(offset, size).
    void SetU16(qint64 offset, quint32 value) { Write(offset, 2, value); }
    void SetU32(qint64 offset, quint32 value) { Write(offset, 4, value); }

private:
    quint32 Read(qint64 offset, int size) const
    {
        if (!Has(offset, size))
            return 0;
        quint32 value = 0;
        for (int i = 0; i < size; ++i) {
            const quint32 byte = quint8(m_Data.at(int(m_Base + offset) + (m_Big ? i : size - 1 - i)));
            value = (value << 8) | byte;
        }
        return value;
    }
    void Write(qint64 offset, int size, quint32 value)
    {
        for (int i = 0; i < size; ++i)
            m_Data[int(m_Base + offset) + (m_Big ? size - 1 - i : i)] = char((value >> (8 * i)) & 0xff);
    }

    QByteArray& m_Data;
    int m_Base;
    bool m_Big = false;
};
