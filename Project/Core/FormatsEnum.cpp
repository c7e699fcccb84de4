#include "FormatsEnum.h"

CFormatsEnum* CFormatsEnum::s_pInstance = nullptr;

namespace {

struct CommonFormat {
    const char* id;
    const char* extensions;
    int icon;
    const char* description;
};

// Read and written through ImageMagick.
const CommonFormat kCommonFormats[] = {
    {"BMP", "BMP", 6, "Microsoft Windows bitmap"},
    {"PICT", "PCT/PICT", 1, "Apple Macintosh QuickDraw/PICT file"},
    {"GIF", "GIF", 5, "CompuServe Graphics Interchange Format"},
    {"JP2", "JP2", 1, "JPEG-2000 JP2 File Format Syntax"},
    {"JPC", "JPC", 1, "JPEG-2000 Code Stream Syntax"},
    {"JPG", "JPG/JPEG/JPE", 2, "Joint Photographic Experts Group JFIF format"},
    {"PCX", "PCX", 1, "ZSoft IBM PC Paintbrush file"},
    {"PNG", "PNG", 4, "Portable Network Graphics"},
    {"PSD", "PSD/PDD", 7, "Adobe Photoshop bitmap file"},
    {"SGI", "SGI", 1, "Irix RGB image"},
    {"TGA", "TGA/ICB/VDA/VST", 1, "Truevision Targa image"},
    {"TIF", "TIF/TIFF", 3, "Tagged Image File Format"},
    {"WBMP", "WBMP", 1, "Wireless bitmap"},
};

struct RawFormat {
    const char* id; // also its only extension
    const char* description;
};

// Read only, through the camera raw decoder.
const RawFormat kRawFormats[] = {
    {"3FR", "Hasselblad Digital Camera Raw Image"},
    {"ARI", "Arriflex Digital Camera Raw Image"},
    {"ARW", "Sony Digital Camera Raw Image"},
    {"BAY", "Casio Digital Camera Raw Image"},
    {"CAP", "Phase One Digital Camera Raw Image"},
    {"CIFF", "Canon Camera Image File Format"},
    {"CR2", "Canon Digital Camera Raw Image"},
    {"CRW", "Canon Digital Camera Raw Image"},
    {"DC2", "Kodak DC25 Digital Camera Raw Image"},
    {"DCR", "Kodak Digital Camera Raw Image"},
    {"DCS", "Kodak Digital Camera Raw Image"},
    {"DNG", "Generic Digital Camera Raw Image"},
    {"DRF", "Kodak Digital Camera Raw Image"},
    {"EIP", "Phase One Digital Camera Raw Image"},
    {"ERF", "Epson Digital Camera Raw Image"},
    {"FFF", "Imacon Digital Camera Raw Image"},
    {"IIQ", "Phase One Digital Camera Raw Image"},
    {"K25", "Kodak Digital Camera Raw Image"},
    {"KC2", "Kodak Digital Camera Raw Image"},
    {"KDC", "Kodak Digital Camera Raw Image"},
    {"MDC", "Minolta Digital Camera Raw Image"},
    {"MEF", "Mamiya Digital Camera Raw Image"},
    {"MOS", "Leaf Digital Camera Raw Image"},
    {"MRW", "Minolta Digital Camera Raw Image"},
    {"NEF", "Nikon Digital Camera Raw Image"},
    {"NRW", "Nikon Digital Camera Raw Image"},
    {"OBM", "Digital Camera Raw Image"},
    {"ORF", "Olympus Digital Camera Raw Image"},
    {"PEF", "Pentax\\Samsung Digital Camera Raw Image"},
    {"PTX", "Pentax Digital Camera Raw Image"},
    {"PXN", "Logitech Digital Camera Raw Image"},
    {"QTK", "Apple QuickTake Raw Image"},
    {"RAF", "Fuji Digital Camera Raw Image"},
    {"RAW", "Generic Digital Camera Raw Image"},
    {"RDC", "Rollei Digital Camera Raw Image"},
    {"RW2", "Panasonic Digital Camera Raw Image"},
    {"RWL", "Leica Camera Raw Image"},
    {"SR2", "Sony Digital Camera Raw Image"},
    {"SRF", "Sony Digital Camera Raw Image"},
    {"SRW", "Samsung Digital Camera Raw Image"},
    {"STI", "Sinar Digital Camera Raw Image"},
};

constexpr int kRawIcon = 8;

} // namespace

CFormatsEnum* CFormatsEnum::GetInstance()
{
    if (!s_pInstance)
        s_pInstance = new CFormatsEnum();
    return s_pInstance;
}

void CFormatsEnum::DeleteInstance()
{
    if (!s_pInstance)
        return;
    s_pInstance->records.clear();
    delete s_pInstance;
    s_pInstance = nullptr;
}

CFormatsEnum::~CFormatsEnum() = default;

void CFormatsEnum::GenerateList()
{
    // Cleared first so that a second call cannot double the table.
    records.clear();
    for (const CommonFormat& f : kCommonFormats)
        AddFormat(f.id, f.extensions, true, true, f.icon, f.description, false, false);
    for (const RawFormat& f : kRawFormats)
        AddFormat(f.id, f.id, true, false, kRawIcon, f.description, true, false);
    GenerateReadableFormats();
}

void CFormatsEnum::AddFormat(const QString& id, const QString& extensions, bool readable, bool writable, int icon,
                             const QString& description, bool raw, bool needsGhostscript)
{
    SFormatRecord record;
    record.id = id;
    record.extensions = extensions;
    record.readable = readable;
    record.writable = writable;
    record.icon = icon;
    record.description = description;
    record.raw = raw;
    record.needsGhostscript = needsGhostscript;
    records.append(record);
}

void CFormatsEnum::GenerateReadableFormats()
{
    readableExtensions.clear();
    rawExtensions.clear();
    openDialogFilter.clear();

    // "Common Formats ( *.A *.B )", "All Files (*.*)", then one entry per
    // readable format: "ID - Description (*.A *.B)".
    QStringList patterns;
    QStringList entries;
    for (const SFormatRecord& record : records) {
        if (!record.readable)
            continue;
        QStringList own;
        for (const QString& extension : record.extensions.split('/')) {
            own.append("*." + extension);
            readableExtensions.append(extension);
            if (record.raw)
                rawExtensions.append(extension);
        }
        patterns.append(own);
        entries.append(record.id + " - " + record.description + " (" + own.join(' ') + ")");
    }
    const QString common = patterns.isEmpty() ? QString("Common Formats ( )")
                                              : "Common Formats ( " + patterns.join(' ') + " )";
    openDialogFilter = common + ";;All Files (*.*);;" + entries.join(";;");
}

bool CFormatsEnum::HoldsPages(const QString& id)
{
    for (const char* format : {"GIF", "PDF", "TIF"})
        if (id.compare(QLatin1String(format), Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

SFormatRecord CFormatsEnum::GetRecordById(const QString& id) const
{
    const QString wanted = id.toUpper();
    for (const SFormatRecord& record : records)
        if (record.id.toUpper() == wanted)
            return record;
    return SFormatRecord();
}
