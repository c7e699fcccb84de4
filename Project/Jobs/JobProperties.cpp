#include "JobProperties.h"

#include "FilterDescriptions.h"
#include "JobDocument.h"
#include "JobFileFormat.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QDir>

#include <cmath>
#include <limits>
#include <variant>

using namespace JobFile;

namespace {

enum class Kind {
    Flag,       // "0" or "1"; read: any non-zero integer
    ScriptFlag, // "0" or "1"; read: exactly "1"
    ZeroFlag,   // always written "0"; read: exactly "1"
    IntFlag,    // an int setting used as a flag; stored as 0 or 1
    Int,
    Int64,
    Byte,    // only the low byte of the integer is kept
    Text,    // escaped; read decoded once more after the parser
    RawText, // escaped; read as the parser delivers it
    Path,    // native separators, escaped; read decoded
    Format   // the keep-original text travels as "Original"
};

typedef std::variant<bool CUserProfile::*, int CUserProfile::*, qint64 CUserProfile::*, quint8 CUserProfile::*,
                     QString CUserProfile::*>
    Field;

constexpr qint64 kMin64 = std::numeric_limits<qint64>::min();
constexpr qint64 kMax64 = std::numeric_limits<qint64>::max();

struct SProperty {
    const char* name;
    Kind kind;
    Field field;
    // The whole numbers a number property takes; others are brought into it.
    qint64 min = std::numeric_limits<int>::min();
    qint64 max = std::numeric_limits<int>::max();
};

const SProperty kScript[] = {
    {Prop::DisableNotifications, Kind::ScriptFlag, &CUserProfile::DisableNotifications},
    {Prop::HideProcessing, Kind::ZeroFlag, &CUserProfile::HideProcessing},
};

const SProperty kRename[] = {
    {Prop::FilenameFormat, Kind::Text, &CUserProfile::FilenameFormat},
    {Prop::CounterStart, Kind::Int64, &CUserProfile::CounterStart, kMin64, kMax64},
    {Prop::CountStep, Kind::Int64, &CUserProfile::CountStep, kMin64, kMax64},
    {Prop::CounterDigits, Kind::Int, &CUserProfile::CounterDigits, 1, 1000},
    {Prop::DateType, Kind::Int, &CUserProfile::DateType},
    {Prop::DateFormat, Kind::Int, &CUserProfile::DateFormat, 0, 11},
    {Prop::ShowTime, Kind::Int, &CUserProfile::ShowTime, 0, 2},
    {Prop::TimeFormat, Kind::Int, &CUserProfile::TimeFormat},
    {Prop::SearchFor, Kind::Text, &CUserProfile::SearchFor},
    {Prop::ReplaceWith, Kind::Text, &CUserProfile::ReplaceWith},
    {Prop::PresetRename, Kind::Int, &CUserProfile::PresetRename, 0, 3},
    {Prop::ChangeCase, Kind::Int, &CUserProfile::ChangeCase, 0, 3},
    {Prop::LowerCaseExt, Kind::Flag, &CUserProfile::LowerCaseExt},
};

const SProperty kOutput[] = {
    {Prop::Destination, Kind::Int, &CUserProfile::Destination},
    {Prop::OutputFolderStruct, Kind::Int, &CUserProfile::OutputFolderStruct, 0, 3},
    {Prop::OutputFolder, Kind::Text, &CUserProfile::OutputFolder},
    {Prop::DestPath, Kind::Path, &CUserProfile::DestPath},
    {Prop::FTPUser, Kind::RawText, &CUserProfile::FTPUser},
    // Escaped although it is Base64: a hand-edited value may hold anything.
    {Prop::FTPPassword, Kind::RawText, &CUserProfile::FTPPassword},
    {Prop::FTPHost, Kind::Text, &CUserProfile::FTPHost},
    {Prop::FTPFolder, Kind::Text, &CUserProfile::FTPFolder},
    {Prop::FTPPort, Kind::Text, &CUserProfile::FTPPort},
    {Prop::SaveOnDiskFacebook, Kind::Flag, &CUserProfile::SaveOnDiskFacebook},
    {Prop::SaveOnDiskFlickr, Kind::Flag, &CUserProfile::SaveOnDiskFlickr},
    {Prop::SaveOnDiskFTP, Kind::Flag, &CUserProfile::SaveOnDiskFTP},
    {Prop::SaveOnDiskMail, Kind::Flag, &CUserProfile::SaveOnDiskMail},
    {Prop::OpenOutputFolder, Kind::Flag, &CUserProfile::OpenOutputFolder},
    {Prop::OriginalDate, Kind::Flag, &CUserProfile::OriginalDate},
    {Prop::DeleteSource, Kind::Flag, &CUserProfile::DeleteSource},
};

const SProperty kFormat[] = {
    {Prop::OutputFormat, Kind::Format, &CUserProfile::OutputFormat},
    {Prop::Quality, Kind::Int, &CUserProfile::Quality, 1, 100},
    {Prop::FileSize, Kind::Int64, &CUserProfile::FileSize, 0, kMax64},
    {Prop::FixedSize, Kind::Flag, &CUserProfile::FixedSize},
    {Prop::Interlaced, Kind::Int, &CUserProfile::Interlaced, 0, 1},
    {Prop::PNGComp, Kind::IntFlag, &CUserProfile::PNGComp},
    {Prop::PdfAlg, Kind::Int, &CUserProfile::PdfAlg, 0, 3},
    {Prop::TiffAlg, Kind::Int, &CUserProfile::TiffAlg, 0, 6},
    {Prop::TiffType, Kind::Int, &CUserProfile::TiffType, 0, 5},
    {Prop::JpegType, Kind::Int, &CUserProfile::JpegType, 0, 3},
    {Prop::CustomProfile, Kind::Path, &CUserProfile::CustomProfile},
    {Prop::Multipage, Kind::Flag, &CUserProfile::Multipage},
    {Prop::DefaultFormat, Kind::RawText, &CUserProfile::DefaultFormat},
};

const SProperty kInterface[] = {
    {Prop::Step1Preview, Kind::Flag, &CUserProfile::Step1Preview},
    {Prop::Step2Preview, Kind::Flag, &CUserProfile::Step2Preview},
};

const SProperty kMonitor[] = {
    {Prop::Id, Kind::Text, &CUserProfile::Id},
    {Prop::Name, Kind::Text, &CUserProfile::Name},
    {Prop::Folder, Kind::RawText, &CUserProfile::Folder},
    {Prop::PicCount, Kind::Byte, &CUserProfile::PicCount},
    {Prop::CreateLog, Kind::Flag, &CUserProfile::CreateLog},
    {Prop::Overwrite, Kind::Flag, &CUserProfile::Overwrite},
    {Prop::SilentMode, Kind::Flag, &CUserProfile::SilentMode},
    {Prop::Type, Kind::Flag, &CUserProfile::Type},
    {Prop::Host, Kind::Text, &CUserProfile::Host},
};

struct SBlockTable {
    const char* className;
    const SProperty* properties;
    int count;
};

template <int N> SBlockTable Table(const char* className, const SProperty (&properties)[N])
{
    return {className, properties, N};
}

// Indexed by CJobProperties::Block.
const SBlockTable kBlocks[] = {
    Table(ClassScript, kScript), Table(ClassRename, kRename),       Table(ClassOutput, kOutput),
    Table(ClassFormat, kFormat), Table(ClassInterface, kInterface), Table(ClassMonitor, kMonitor),
};

template <typename T> T& Member(CUserProfile& profile, const Field& field)
{
    return profile.*std::get<T CUserProfile::*>(field);
}

template <typename T> const T& Member(const CUserProfile& profile, const Field& field)
{
    return profile.*std::get<T CUserProfile::*>(field);
}

QString FlagText(bool value)
{
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

QString ValueText(const SProperty& p, const CUserProfile& profile)
{
    switch (p.kind) {
    case Kind::Flag:
    case Kind::ScriptFlag:
        return FlagText(Member<bool>(profile, p.field));
    case Kind::ZeroFlag:
        return FlagText(false);
    case Kind::IntFlag:
        return FlagText(Member<int>(profile, p.field) != 0);
    case Kind::Int:
        return QString::number(Member<int>(profile, p.field));
    case Kind::Int64:
        return QString::number(Member<qint64>(profile, p.field));
    case Kind::Byte:
        return QString::number(Member<quint8>(profile, p.field));
    case Kind::Text:
    case Kind::RawText:
        return CJobDocument::Escape(Member<QString>(profile, p.field), false);
    case Kind::Path:
        return CJobDocument::Escape(QDir::toNativeSeparators(Member<QString>(profile, p.field)), false);
    case Kind::Format: {
        const QString& format = Member<QString>(profile, p.field);
        return format == KeepOriginalFormatText() ? QString::fromLatin1(FormatOriginal)
                                                  : CJobDocument::Escape(format, false);
    }
    }
    return QString();
}

bool IsNumber(Kind kind)
{
    return kind != Kind::Text && kind != Kind::RawText && kind != Kind::Path && kind != Kind::Format;
}

// What a number property's text is stored as: a decimal is rounded and a
// number brought into the property's range (a byte keeps its low byte);
// text that is no number reads as 0. `read` tells whether the text said
// exactly that.
qint64 NumberOf(const SProperty& p, const QString& text, CJobProperties::SReadOtherwise& read)
{
    bool whole = false;
    qint64 value = text.toLongLong(&whole);
    if (!whole) {
        const double number = text.toDouble(&read.number);
        read.number = read.number && std::isfinite(number);
        if (!read.number)
            return 0;
        value = number <= -9e18 ? kMin64 : number >= 9e18 ? kMax64 : std::llround(number);
    }
    qint64 stored = p.kind == Kind::Byte ? qint64(quint8(value)) : qBound(p.min, value, p.max);
    read.asWritten = whole && stored == value;
    if (p.kind == Kind::ScriptFlag || p.kind == Kind::ZeroFlag)
        stored = text == QLatin1String("1");
    else if (p.kind == Kind::Flag || p.kind == Kind::IntFlag)
        stored = stored != 0;
    return stored;
}

void StoreNumber(const SProperty& p, qint64 value, CUserProfile& profile)
{
    switch (p.kind) {
    case Kind::Flag:
    case Kind::ScriptFlag:
    case Kind::ZeroFlag:
        Member<bool>(profile, p.field) = value != 0;
        break;
    case Kind::IntFlag:
    case Kind::Int:
        Member<int>(profile, p.field) = int(value);
        break;
    case Kind::Int64:
        Member<qint64>(profile, p.field) = value;
        break;
    case Kind::Byte:
        Member<quint8>(profile, p.field) = quint8(value);
        break;
    default:
        break;
    }
}

void Store(const SProperty& p, const QString& text, CUserProfile& profile)
{
    switch (p.kind) {
    case Kind::Text:
    case Kind::Path:
        Member<QString>(profile, p.field) = XMLToPlainText(text);
        break;
    case Kind::RawText:
        Member<QString>(profile, p.field) = text;
        break;
    case Kind::Format:
        Member<QString>(profile, p.field) =
            XMLToPlainText(text == QLatin1String(FormatOriginal) ? KeepOriginalFormatText() : text);
        break;
    default:
        break;
    }
}

} // namespace

bool CJobProperties::BlockOfClass(const QString& className, Block& block)
{
    for (int i = 0; i < int(sizeof kBlocks / sizeof kBlocks[0]); ++i) {
        if (className == QLatin1String(kBlocks[i].className)) {
            block = static_cast<Block>(i);
            return true;
        }
    }
    return false;
}

void CJobProperties::Write(Block block, const CUserProfile& profile, QString& text)
{
    const SBlockTable& table = kBlocks[block];
    text += QString::fromLatin1(Line::PropertiesStart).arg(QLatin1String(table.className));
    for (int i = 0; i < table.count; ++i) {
        const SProperty& p = table.properties[i];
        text += QString::fromLatin1(Line::Property).arg(QLatin1String(p.name), ValueText(p, profile));
    }
    text += QLatin1String(Line::PropertiesEnd);
}

void CJobProperties::Read(Block block, const QList<SJobProperty>& properties, CUserProfile& profile,
                          QList<SReadOtherwise>* readOtherwise)
{
    const SBlockTable& table = kBlocks[block];
    // A stored password goes only to the account it was stored with.
    const QStringList account = {profile.FTPHost, profile.FTPPort, profile.FTPUser};
    bool passwordGiven = false;
    for (const SJobProperty& property : properties) {
        // An empty remote folder is the root, not the last job's folder.
        if (property.text.isEmpty() && property.name != QLatin1String(Prop::FTPFolder))
            continue;
        for (int i = 0; i < table.count; ++i) {
            const SProperty& p = table.properties[i];
            if (property.name != QLatin1String(p.name))
                continue;
            passwordGiven = passwordGiven || property.name == QLatin1String(Prop::FTPPassword);
            if (!IsNumber(p.kind)) {
                Store(p, property.text, profile);
                break;
            }
            SReadOtherwise read{property.name, property.text, 0, true, false};
            read.value = NumberOf(p, property.text, read);
            if (readOtherwise && !read.asWritten)
                readOtherwise->append(read);
            StoreNumber(p, read.value, profile);
            break;
        }
    }
    if (!passwordGiven && QStringList{profile.FTPHost, profile.FTPPort, profile.FTPUser} != account)
        profile.FTPPassword.clear();
}
