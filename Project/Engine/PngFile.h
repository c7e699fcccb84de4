#pragma once
// One PNG file and libpng's state for it, shared by the PNG reader and
// writer. libpng reports errors by longjmp, so everything that must outlive
// one lives here, in memory, not in locals of the frame that called setjmp.

#include <QString>
#include <QStringList>

#include <Magick++.h>
#include <png.h>

#include <cstddef>
#include <cstdio>
#include <string>
#include <vector>

struct SPngFile {
    static constexpr char kRawProfile[] = "Raw profile type ";
    static constexpr unsigned char kExifHeader[] = {'E', 'x', 'i', 'f', 0, 0};
    // What libpng may allocate while it reads the chunks before the pixels:
    // its own limit for one chunk (an ICC profile, an Exif block or a text),
    // and for all of them together. A chunk's length field is the file's
    // word, and libpng allocates it whole before reading a byte of it.
    static constexpr size_t kChunkLimit = 8 * 1024 * 1024;
    static constexpr size_t kMetadataBudget = 4 * kChunkLimit;
    // How many text chunks libpng's reader keeps without a warning: its
    // cache limit counts them, and it warns at the last two places.
    static constexpr int kTextLimit = PNG_USER_CHUNK_CACHE_MAX - 2;
    // The artifact that marks a property read from tEXt or zTXt as it stands
    // in the file, and its value: the text's hash.
    static QByteArray Latin1Mark(const char* key);
    static QByteArray Latin1Hash(const char* text);
    // tEXt and zTXt hold Latin-1: UTF-8 text within it is converted, text
    // beyond it goes to iTXt (false). Bytes that are no UTF-8 stand as read
    // from a tEXt chunk.
    static bool ToLatin1(QByteArray& text);
    // A keyword as libpng writes it: Latin-1, printable, each run of spaces
    // and other bytes one space, none at either end.
    static QByteArray WrittenKey(QByteArray key);
    // Whether a key, as written, lies where the library's coders read their
    // settings among the properties ("jpeg:sampling-factor").
    static bool CoderKey(const QByteArray& key);

    FILE* file = nullptr;
    png_structp png = nullptr;
    png_infop info = nullptr;
    bool writing = false;
    QString error;
    QString warning;
    QStringList warnings;   // libpng's words on the chunks a write was given
    bool chunksSet = false; // later warnings are notes on what it writes
    size_t live = 0;        // bytes libpng holds while reading
    size_t budget = kMetadataBudget;
    size_t largest = kChunkLimit + 4096;
    bool refused = false;       // an allocation was over the limits
    bool profileWarned = false; // libpng warned about the iCCP chunk
    size_t offset = 0;          // bytes of the file read
    size_t next = 8;            // where the next chunk's header starts
    bool skipping = false;      // text chunks are skipped, as unknown ones
    std::vector<unsigned char> pixels;
    MagickCore::Image* image = nullptr;

    ~SPngFile();

    // Opens the file and libpng's state for it; false with `error`. A read
    // allocates within the limits above.
    bool Open(const std::string& path, bool write);
};
