#include "JobProperties.h"

#include "FilterDescriptions.h"
#include "JobDocument.h"
#include "JobFileFormat.h"
#include "UserProfile.h"
#include "Utils.h"

#include <QDir>

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

struct SProperty {
    const char* name;
    Kind kind;
    Field field;
};

const SProperty kScript[] = {
    {Prop::DisableNotifications, Kind::ScriptFlag, &CUserProfile::DisableNotifications},
    {Prop::HideProcessing, Kind::ZeroFlag, &CUserProfile::HideProcessing},
};

const SProperty kRename[] = {
    {Prop::FilenameFormat, Kind::Text, &CUserProfile::FilenameFormat},
    {Prop::CounterStart, Kind::Int64, &CUserProfile::CounterStart},
    {Prop::CountStep, Kind::Int64, &CUserProfile::CountStep},
    {Prop::CounterDigits, Kind::Int, &CUserProfile::CounterDigits},
    {Prop::DateType, Kind::Int, &CUserProfile::DateType},
    {Prop::DateFormat, Kind::Int, &CUserProfile::DateFormat},
    {Prop::ShowTime, Kind::Int, &CUserProfile::ShowTime},
    {Prop::TimeFormat, Kind::Int, &CUserProfile::TimeFormat},
    {Prop::SearchFor, Kind::Text, &CUserProfile::SearchFor},
    {Prop::ReplaceWith, Kind::Text, &CUserProfile::ReplaceWith},
    {Prop::PresetRename, Kind::Int, &CUserProfile::PresetRename},
    {Prop::ChangeCase, Kind::Int, &CUserProfile::ChangeCase},
    {Prop::LowerCaseExt, Kind::Flag, &CUserProfile::LowerCaseExt},
};

const SProperty kOutput[] = {
    {Prop::Destination, Kind::Int, &CUserProfile::Destination},
    {Prop::OutputFolderStruct, Kind::Int, &CUserProfile::OutputFolderStruct},
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
    {Prop::Quality, Kind::Int, &CUserProfile::Quality},
    {Prop::FileSize, Kind::Int64, &CUserProfile::FileSize},
    {Prop::FixedSize, Kind::Flag, &CUserProfile::FixedSize},
    {Prop::Interlaced, Kind::Int, &CUserProfile::Interlaced},
    {Prop::PNGComp, Kind::IntFlag, &CUserProfile::PNGComp},
    {Prop::PdfAlg, Kind::Int, &CUserProfile::PdfAlg},
    {Prop::TiffAlg, Kind::Int, &CUserProfile::TiffAlg},
    {Prop::TiffType, Kind::Int, &CUserProfile::TiffType},
    {Prop::JpegType, Kind::Int, &CUserProfile::JpegType},
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

// False when the text of a property read as an integer is not one that
// fits its setting: Store then reads it as 0.
bool ReadsAsNumber(Kind kind, const QString& text)
{
    bool number = true;
    if (kind == Kind::Int64)
        text.toLongLong(&number);
    else if (kind != Kind::Text && kind != Kind::RawText && kind != Kind::Path && kind != Kind::Format)
        text.toInt(&number);
    return number;
}

void Store(const SProperty& p, const QString& text, CUserProfile& profile)
{
    switch (p.kind) {
    case Kind::Flag:
        Member<bool>(profile, p.field) = text.toInt() != 0;
        break;
    case Kind::ScriptFlag:
    case Kind::ZeroFlag:
        Member<bool>(profile, p.field) = text == QLatin1String("1");
        break;
    case Kind::IntFlag:
        Member<int>(profile, p.field) = text.toInt() != 0 ? 1 : 0;
        break;
    case Kind::Int:
        Member<int>(profile, p.field) = text.toInt();
        break;
    case Kind::Int64:
        Member<qint64>(profile, p.field) = text.toLongLong();
        break;
    case Kind::Byte:
        Member<quint8>(profile, p.field) = static_cast<quint8>(text.toInt());
        break;
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
                          QList<SJobProperty>* notNumbers)
{
    const SBlockTable& table = kBlocks[block];
    for (const SJobProperty& property : properties) {
        if (property.text.isEmpty())
            continue;
        for (int i = 0; i < table.count; ++i) {
            if (property.name == QLatin1String(table.properties[i].name)) {
                if (notNumbers && !ReadsAsNumber(table.properties[i].kind, property.text))
                    notNumbers->append(property);
                Store(table.properties[i], property.text, profile);
                break;
            }
        }
    }
}
