#include "FilterFilename.h"

#include "PathSafety.h"

#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTime>

namespace
{

const QString KeepNamePattern = QStringLiteral("[Filename].[Extension]");
const QString UniqueSuffix = QStringLiteral(" ([Counter])");

// A job file may hold any width; beyond this the padding only adds zeros
// that the safe-name cut removes again, so it is not worth the memory.
constexpr int MaxCounterWidth = 4096;

// `value` in decimal as printf "%0<width>d" prints it: zero-padded to at least
// `width` characters, a minus sign counted inside the width. Locale-free.
QString ZeroPad(qint64 value, int width)
{
    width = qBound(1, width, MaxCounterWidth);
    const bool negative = value < 0;
    // Negate in unsigned arithmetic so that the smallest qint64 survives.
    const quint64 magnitude = negative ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
    QString digits = QString::number(magnitude);
    const int padTo = negative ? width - 1 : width;
    if (digits.size() < padTo)
        digits.prepend(QString(padTo - digits.size(), QLatin1Char('0')));
    return negative ? QLatin1Char('-') + digits : digits;
}

QString MonthAbbreviation(int month)
{
    static const char* const names[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                          "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    return month >= 1 && month <= 12 ? QLatin1String(names[month - 1]) : QString();
}

QString DateText(int dateFormat, int year, int month, int day)
{
    const int yy = year > 1999 ? year - 2000 : year - 1900;
    const QString mmm = MonthAbbreviation(month);
    const QString dash = QStringLiteral("-");
    auto p2 = [](int v) { return ZeroPad(v, 2); };
    switch (dateFormat) {
    case 0:
        return mmm + dash + p2(day) + dash + ZeroPad(year, 4);
    case 1:
        return mmm + dash + p2(day) + dash + p2(yy);
    case 2:
        return p2(day) + dash + mmm + dash + ZeroPad(year, 4);
    case 3:
        return p2(day) + dash + mmm + dash + p2(yy);
    case 4:
        return ZeroPad(year, 4) + dash + mmm + dash + p2(day);
    case 5:
        return p2(yy) + dash + mmm + dash + p2(day);
    case 6:
        return p2(month) + dash + p2(day) + dash + ZeroPad(year, 4);
    case 7:
        return p2(month) + dash + p2(day) + dash + p2(yy);
    case 8:
        return p2(day) + dash + p2(month) + dash + ZeroPad(year, 4);
    case 9:
        return p2(day) + dash + p2(month) + dash + p2(yy);
    case 10:
        return ZeroPad(year, 4) + dash + p2(month) + dash + p2(day);
    case 11:
        return p2(yy) + dash + p2(month) + dash + p2(day);
    default:
        return QString();
    }
}

QString TimeText(int showTime, int timeFormat, int hour, int minute, int second)
{
    if ((showTime != 0 && showTime != 1) || (timeFormat != 0 && timeFormat != 1))
        return QString();
    QString suffix;
    if (showTime == 0) {
        // The usual 12-hour clock: 0 is 12 AM, 12 is 12 PM.
        suffix = hour < 12 ? QStringLiteral(" AM") : QStringLiteral(" PM");
        hour %= 12;
        if (hour == 0)
            hour = 12;
    }
    QString text = ZeroPad(hour, 2) + QLatin1Char('-') + ZeroPad(minute, 2);
    if (timeFormat == 1)
        text += QLatin1Char('-') + ZeroPad(second, 2);
    return text + suffix;
}

// Splits at the last ".": the name before it, the "." and the rest after it.
void SplitAtLastDot(const QString& text, QString& name, QString& extPart)
{
    const int dot = text.lastIndexOf(QLatin1Char('.'));
    name = dot < 0 ? text : text.left(dot);
    extPart = dot < 0 ? QString() : text.mid(dot);
}

// Units of the character (one code point) that starts at `i`.
int CharUnits(const QString& text, int i)
{
    return text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate() ? 2 : 1;
}

// Upper-cases the first character and every character after a blank, and
// lower-cases the rest. Only U+0020 separates words.
QString MixedCase(const QString& name)
{
    QString out;
    out.reserve(name.size());
    for (int i = 0; i < name.size();) {
        const int units = CharUnits(name, i);
        const QString ch = name.mid(i, units);
        const bool startsWord = i == 0 || name.at(i - 1) == QLatin1Char(' ');
        out += startsWord ? ch.toUpper() : ch.toLower();
        i += units;
    }
    return out;
}

// Case-insensitive search and replace on the name itself: every match, left
// to right without overlap, becomes the replacement as typed, and every
// character outside a match stays exactly as it was. Matching on a case-
// mapped copy instead would lose the alignment with the name wherever a
// mapping changes the length ("ß" upper-cases to "SS").
QString SearchAndReplace(const QString& name, const QString& search, const QString& replacement)
{
    QString out;
    int from = 0;
    for (int at = name.indexOf(search, 0, Qt::CaseInsensitive); at >= 0;
         at = name.indexOf(search, from, Qt::CaseInsensitive)) {
        out += name.midRef(from, at - from);
        out += replacement;
        from = at + search.size();
    }
    out += name.midRef(from);
    return out;
}

} // namespace

void CFilterFilename::GenerateFilename(int count, bool preview)
{
    Q_UNUSED(preview) // previews and runs must give the same name

    // 1. Presets other than custom bring their own pattern and options.
    switch (preset) {
    case 0:
        pattern = KeepNamePattern;
        break;
    case 1:
        pattern = count == 1 && !monitorNumbering ? QStringLiteral("[FolderName].[Extension]")
                                                  : QStringLiteral("[FolderName] [Counter].[Extension]");
        break;
    case 2:
        pattern = QStringLiteral("[DateTime].[Extension]");
        break;
    default:
        break;
    }
    if (preset != 3) {
        lowerCaseExtension = true;
        caseMode = 0;
        counterStart = monitorNumbering ? qint64(monitorPicCount) + 1 : 1;
        counterStep = 1;
        counterDigits = 3;
        dateSource = 0;
        dateFormat = 0;
        timeFormat = 0;
        showTime = 0;
        searchReplaceOn = false;
        searchText.clear();
        replaceText.clear();
    }

    // 2. Drop what follows the last "." (the appended ".[Extension]").
    const int lastDot = pattern.lastIndexOf(QLatin1Char('.'));
    workPattern = lastDot < 0 ? pattern : pattern.left(lastDot);

    // 3. Without a keyword that differs per photo, a counter keeps names apart.
    const QString lowered = workPattern.toLower();
    if (!lowered.contains(QLatin1String("[filename]")) && !lowered.contains(QLatin1String("[counter]")) &&
        !lowered.contains(QLatin1String("[datetime]")))
        workPattern += UniqueSuffix;

    // 4. A single photo needs no counter, unless the counter is all there is.
    if (count == 1 && !monitorNumbering && workPattern.toLower().contains(QLatin1String("([counter])")) &&
        workPattern != UniqueSuffix)
        workPattern.remove(UniqueSuffix, Qt::CaseSensitive);

    // 5.
    workPattern += QLatin1String(".[Extension]");

    // 6. Substitute the keywords.
    result.clear();
    for (int i = 0; i < workPattern.size(); ++i) {
        const QChar c = workPattern.at(i);
        if (c == QLatin1Char(']'))
            continue;
        if (c != QLatin1Char('[')) {
            result += c;
            continue;
        }
        const int close = workPattern.indexOf(QLatin1Char(']'), i);
        if (close < 0)
            break;
        QString keyword = workPattern.mid(i + 1, close - i - 1);
        const int innerOpen = keyword.indexOf(QLatin1Char('['));
        if (innerOpen >= 0)
            keyword = keyword.mid(innerOpen + 1);
        keyword = keyword.toLower();
        if (keyword == QLatin1String("filename")) {
            result += sourceName;
        } else if (keyword == QLatin1String("foldername")) {
            QString folder = sourceFolder;
            if (folder.endsWith(QLatin1Char('/')))
                folder.chop(1);
            const int slash = folder.lastIndexOf(QLatin1Char('/'));
            if (slash >= 0)
                result += folder.mid(slash + 1);
        } else if (keyword == QLatin1String("extension")) {
            result += extension.toLower();
        } else if (keyword == QLatin1String("counter")) {
            // Wrapping arithmetic: out-of-range job values must not be undefined.
            const quint64 value = quint64(counterStart) + quint64(counterStep) * quint64(listPosition);
            result += ZeroPad(qint64(value), counterDigits);
        } else if (keyword == QLatin1String("datetime")) {
            QString text;
            ComputeDateTime(text, showTime, dateSource, dateFormat, timeFormat);
            result += text;
        }
        i = close;
    }

    // 7. and 8. Case changes.
    QString name;
    QString extPart;
    SplitAtLastDot(result, name, extPart);
    switch (caseMode) {
    case 1:
        name = name.toLower();
        break;
    case 2:
        name = name.toUpper();
        if (!lowerCaseExtension)
            extPart = extPart.toUpper();
        break;
    case 3:
        name = MixedCase(name);
        break;
    default:
        break;
    }
    if (lowerCaseExtension)
        extPart = extPart.toLower();
    result = name + extPart;

    // 9. to 11. Search and replace touches the name part only.
    SplitAtLastDot(result, name, extPart);
    if (searchReplaceOn && !searchText.isEmpty())
        name = SearchAndReplace(name, searchText, replaceText);
    result = name + extPart;

    // 12. Whatever the pattern and texts held, the result is one safe file name.
    result = CPathSafety::SanitizeFileName(result);
}

void CFilterFilename::ComputeDateTime(QString& text, int showTime, int dateSource, int dateFormat, int timeFormat) const
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    bool valid = false;
    if (dateSource == 0 && !exifDate.isEmpty()) {
        // Fixed positions of "YYYY:MM:DD HH:MM:SS"; separators are not checked,
        // and a day the month lacks (Feb 31) is kept as written.
        year = exifDate.mid(0, 4).toInt();
        month = exifDate.mid(5, 2).toInt();
        day = exifDate.mid(8, 2).toInt();
        hour = exifDate.mid(11, 2).toInt();
        minute = exifDate.mid(14, 2).toInt();
        second = exifDate.mid(17, 2).toInt();
        valid = day >= 1 && day <= 31 && month >= 1 && month <= 12 && year >= 1900 && year <= 3000 && hour >= 0 &&
                hour <= 23 && minute >= 0 && minute <= 59 && second >= 0 && second <= 59;
    }
    if (!valid) {
        // Without a usable photo date: the clock, the file's time, or 1900-01-01 00:00:00.
        QDateTime when(QDate(1900, 1, 1), QTime(0, 0, 0));
        if (dateSource != 0)
            when = QDateTime::currentDateTime();
        else if (QFile::exists(sourcePath))
            when = QFileInfo(sourcePath).lastModified();
        year = when.date().year();
        month = when.date().month();
        day = when.date().day();
        hour = when.time().hour();
        minute = when.time().minute();
        second = when.time().second();
    }

    text = DateText(dateFormat, year, month, day);
    const QString time = TimeText(showTime, timeFormat, hour, minute, second);
    if (!time.isEmpty())
        text += QLatin1Char(' ') + time;
}

bool CFilterFilename::IsOutputModified() const
{
    return pattern != KeepNamePattern;
}

bool CFilterFilename::operator==(const CFilterFilename& o) const
{
    return pattern == o.pattern && workPattern == o.workPattern && caseMode == o.caseMode && preset == o.preset &&
           lowerCaseExtension == o.lowerCaseExtension && counterStart == o.counterStart &&
           counterDigits == o.counterDigits && counterStep == o.counterStep && dateSource == o.dateSource &&
           dateFormat == o.dateFormat && timeFormat == o.timeFormat && showTime == o.showTime &&
           searchReplaceOn == o.searchReplaceOn && searchText == o.searchText && replaceText == o.replaceText &&
           result == o.result && sourcePath == o.sourcePath && sourceFolder == o.sourceFolder &&
           sourceName == o.sourceName && extension == o.extension && listPosition == o.listPosition &&
           exifDate == o.exifDate && monitorNumbering == o.monitorNumbering && monitorPicCount == o.monitorPicCount;
}
