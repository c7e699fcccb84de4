#include "Utils.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QToolButton>
#include <QUrl>
#include <QWidget>

#include <atomic>
#include <cstdio>

const QString organization = QStringLiteral("Quorvelline");
const QString application = QStringLiteral("Brandquill");
const char kWebSite[] = "http://www.brandquill.example";
const char kSupportAddress[] = "support@brandquill.example";

namespace {

const char kBase64Alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

const char kHelpSite[] = "https://help.brandquill.example";

// How long the opener may take to say that nothing can open an address. One
// still running after that waits for the program it started.
const int kOpenerVerdictMs = 3000;

// Value of one Base64 character, or -1 for anything that ends the input.
int Base64Value(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

std::atomic<RegistryFailureHandler> s_registryFailure{nullptr};
std::atomic_bool s_registryFailureTold{false};

// Writes the value through and tells of the first refused write, so that
// settings are not lost in silence (a read-only or unreachable file).
void WriteThrough(QSettings& settings, const QString& key, const QVariant& value)
{
    settings.setValue(key, value);
    settings.sync();
    if (settings.status() == QSettings::NoError || s_registryFailureTold.exchange(true))
        return;
    if (const RegistryFailureHandler handler = s_registryFailure.load())
        handler(settings.fileName());
    else
        ReportOnStderr(QStringLiteral("The settings could not be saved to ") + settings.fileName());
}

// First standard location of a kind, "/"-separated, without a trailing "/".
QString FirstStandardLocation(QStandardPaths::StandardLocation kind)
{
    const QStringList locations = QStandardPaths::standardLocations(kind);
    if (locations.isEmpty())
        return QString();
    QString path = locations.first();
    path.replace('\\', '/');
    while (path.length() > 1 && path.endsWith('/'))
        path.chop(1);
    return path;
}

// Half the difference of two spans measured as right - left, as the window
// code has always centred (truncating toward zero).
int CentredOffset(int outerSpan, int innerSpan)
{
    return (outerSpan - innerSpan) / 2;
}

// Moves the child to (x, y), pulled back onto the screen: right and bottom
// first, left and top last, so a child larger than the screen starts at the
// screen's left or top edge instead of beyond it.
void MoveOntoScreen(QWidget* child, int x, int y, const QScreen* screen)
{
    if (screen) {
        const QRect area = screen->geometry();
        const QRect frame = child->frameGeometry();
        if (x + frame.width() > area.right())
            x = area.right() - frame.width();
        if (y + frame.height() > area.bottom())
            y = area.bottom() - frame.height();
        if (x < area.left())
            x = area.left();
        if (y < area.top())
            y = area.top();
    }
    child->move(x, y);
}

// A rounded corner: a cubic curve whose two control points sit on the corner.
void Corner(QPainterPath& path, QPointF corner, QPointF end)
{
    path.cubicTo(corner, corner, end);
}

} // namespace

QString GetRegistryString(const QString& key, const QString& defaultValue)
{
    QSettings settings(organization, application);
    return settings.value(key, QVariant(defaultValue)).toString();
}

void SetRegistryString(const QString& key, const QString& value)
{
    QSettings settings(organization, application);
    WriteThrough(settings, key, QVariant(value));
}

int GetRegistryInt(const QString& key, int defaultValue)
{
    QSettings settings(organization, application);
    return settings.value(key, QVariant(defaultValue)).toInt();
}

void SetRegistryInt(const QString& key, int value)
{
    QSettings settings(organization, application);
    WriteThrough(settings, key, QVariant(value));
}

QByteArray GetRegistryByteArray(const QString& key, const QByteArray& defaultValue)
{
    QSettings settings(organization, application);
    return settings.value(key, QVariant(defaultValue)).toByteArray();
}

void SetRegistryByteArray(const QString& key, const QByteArray& value)
{
    QSettings settings(organization, application);
    WriteThrough(settings, key, QVariant(value));
}

void SetRegistryFailureHandler(RegistryFailureHandler handler)
{
    s_registryFailure.store(handler);
}

QString GetRegistryValue(const QString& file, const QString& key, const QString& defaultValue)
{
    QSettings settings(file, QSettings::NativeFormat);
    return settings.value(key, QVariant(defaultValue)).toString();
}

void SetRegistryValue(const QString& file, const QString& key, const QString& value)
{
    QSettings settings(file, QSettings::NativeFormat);
    settings.setValue(key, QVariant(value));
    settings.sync();
}

void DeleteRegistryValue(const QString& file, const QString& key)
{
    QSettings settings(file, QSettings::NativeFormat);
    settings.remove(key);
}

bool RegistryValueExists(const QString& file, const QString& key)
{
    QSettings settings(file, QSettings::NativeFormat);
    return settings.contains(key);
}

QString GetMyDocuments()
{
    return FirstStandardLocation(QStandardPaths::DocumentsLocation);
}

QString GetMyPictures()
{
    return FirstStandardLocation(QStandardPaths::PicturesLocation);
}

QString ChooserStart(const QString& lastUsed)
{
    for (const QString& folder : {lastUsed, GetMyPictures()}) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir())
            return folder;
    }
    return QDir::homePath();
}

QString GetDownloadSourceName()
{
    const QString source = GetRegistryString("Settings/DownloadSourceName", QString());
    if (source.isEmpty())
        return QString();
    return "s=" + source + "&";
}

void OpenHelpFile(const QString& topic)
{
    const QString address = QLatin1String(kHelpSite) + "/help/index.html?" + topic;
    OpenOnDesktop(QUrl(address, QUrl::TolerantMode));
}

bool HandToDesktop(const QUrl& url, QString* said)
{
    // Where the platform opens nothing itself, QDesktopServices reaches only
    // the handlers registered in the program.
    if (NoDisplay() && QDesktopServices::openUrl(url))
        return true;
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty())
        return !NoDisplay() && QDesktopServices::openUrl(url);
    auto* process = new QProcess;
    process->setProgram(opener);
    process->setArguments({url.isLocalFile() ? url.toLocalFile() : url.toString(QUrl::FullyEncoded)});
    // Its lines (a shell's "www-browser: not found") are not the program's:
    // the caller may log them, stderr never shows them.
    process->setProcessChannelMode(QProcess::MergedChannels);
    process->start();
    if (!process->waitForStarted()) {
        delete process;
        return false;
    }
    if (!process->waitForFinished(kOpenerVerdictMs)) {
        // Left running, unowned: deleting it would kill the program it started.
        QObject::connect(process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), process,
                         &QObject::deleteLater);
        process->readAll();
        QObject::connect(process, &QProcess::readyRead, process, [process] { process->readAll(); });
        return true;
    }
    if (said)
        *said = QString::fromLocal8Bit(process->readAll()).trimmed();
    const bool opened = process->exitStatus() == QProcess::NormalExit && process->exitCode() == 0;
    delete process;
    return opened;
}

bool OpenOnDesktop(const QUrl& url)
{
    if (HandToDesktop(url))
        return true;
    const QString target = url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
    WarnUser(QString(),
             QCoreApplication::translate("Utils", "Nothing could open %1. Please open it yourself.").arg(target));
    return false;
}

void WarnUser(const QString& title, const QString& text)
{
    if (!NoDisplay()) {
        QMessageBox::warning(QApplication::activeWindow(), title, text, QMessageBox::Ok);
        return;
    }
    ReportOnStderr(text);
}

void ReportOnStderr(const QString& text)
{
    QString line = text;
    line.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::fprintf(stderr, "brandquill: %s\n", line.toLocal8Bit().constData());
    std::fflush(stderr);
}

bool NoDisplay()
{
    const QString platform = QGuiApplication::platformName();
    return platform == QLatin1String("offscreen") || platform == QLatin1String("minimal");
}

QString TruncateString(const QString& text, int length, bool quoted)
{
    const QString quote = quoted ? QStringLiteral("\"") : QString();
    if (text.length() > length)
        return quote + "..." + text.right(qMax(0, length)) + quote;
    return quote + text + quote;
}

QString PrintableInLog(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        const QChar::Category kind = c.category();
        if (c == QLatin1Char('\r'))
            shown += QLatin1String("\\r");
        else if (c == QLatin1Char('\n'))
            shown += QLatin1String("\\n");
        else if (c == QLatin1Char('\t'))
            shown += QLatin1String("\\t");
        else if (c.isNull())
            shown += QLatin1String("\\0");
        else if (kind == QChar::Other_Control || kind == QChar::Separator_Line || kind == QChar::Separator_Paragraph)
            shown += QLatin1Char('?');
        else
            shown += c;
    }
    return shown;
}

QString PlainTextToXML(const QString& text)
{
    // The ampersand goes first so that no entity made here is escaped again.
    QString result = text;
    result.replace('&', QLatin1String("&amp;"));
    result.replace('<', QLatin1String("&lt;"));
    result.replace('>', QLatin1String("&gt;"));
    result.replace('"', QLatin1String("&quot;"));
    result.replace('\'', QLatin1String("&apos;"));
    return result;
}

QString XMLToPlainText(const QString& text)
{
    // The ampersand comes back last: a user's own "&lt;" was saved as
    // "&amp;lt;" and must not turn into "<".
    QString result = text;
    result.replace(QLatin1String("&lt;"), QLatin1String("<"));
    result.replace(QLatin1String("&gt;"), QLatin1String(">"));
    result.replace(QLatin1String("&quot;"), QLatin1String("\""));
    result.replace(QLatin1String("&apos;"), QLatin1String("'"));
    result.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return result;
}

std::string Base64Encode(const unsigned char* bytes, quint32 length)
{
    std::string out;
    if (!bytes || length == 0)
        return out;
    out.reserve((static_cast<size_t>(length) + 2) / 3 * 4);
    quint32 i = 0;
    for (; i + 3 <= length; i += 3) {
        const quint32 group = (quint32(bytes[i]) << 16) | (quint32(bytes[i + 1]) << 8) | bytes[i + 2];
        out += kBase64Alphabet[(group >> 18) & 0x3F];
        out += kBase64Alphabet[(group >> 12) & 0x3F];
        out += kBase64Alphabet[(group >> 6) & 0x3F];
        out += kBase64Alphabet[group & 0x3F];
    }
    const quint32 rest = length - i;
    if (rest > 0) {
        quint32 group = quint32(bytes[i]) << 16;
        if (rest == 2)
            group |= quint32(bytes[i + 1]) << 8;
        out += kBase64Alphabet[(group >> 18) & 0x3F];
        out += kBase64Alphabet[(group >> 12) & 0x3F];
        out += rest == 2 ? kBase64Alphabet[(group >> 6) & 0x3F] : '=';
        out += '=';
    }
    return out;
}

std::string Base64Decode(const std::string& text)
{
    std::string out;
    quint32 group = 0;
    int filled = 0;
    for (const char c : text) {
        const int value = Base64Value(c);
        if (value < 0)
            break;
        group = (group << 6) | quint32(value);
        if (++filled == 4) {
            out += char((group >> 16) & 0xFF);
            out += char((group >> 8) & 0xFF);
            out += char(group & 0xFF);
            group = 0;
            filled = 0;
        }
    }
    // A final group of 2 or 3 characters carries 1 or 2 bytes; a single
    // character carries less than one byte and gives nothing.
    if (filled == 2) {
        out += char((group >> 4) & 0xFF);
    } else if (filled == 3) {
        out += char((group >> 10) & 0xFF);
        out += char((group >> 2) & 0xFF);
    }
    return out;
}

QString EncryptString(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    const std::string encoded =
        Base64Encode(reinterpret_cast<const unsigned char*>(utf8.constData()), quint32(utf8.size()));
    return QString::fromLatin1(encoded.data(), int(encoded.size()));
}

QString DecryptString(const QString& text)
{
    const QByteArray utf8 = text.toUtf8();
    const std::string decoded = Base64Decode(std::string(utf8.constData(), size_t(utf8.size())));
    // Read as a C string: the text ends at the first zero byte.
    const size_t end = decoded.find('\0');
    const std::string visible = end == std::string::npos ? decoded : decoded.substr(0, end);
    return QString::fromUtf8(visible.data(), int(visible.size()));
}

QPainterPath GenerateInfoBaloon(int shape)
{
    QPainterPath path;
    switch (shape) {
    case 0: // tail lower left, tip (15,100)
        path.moveTo(30, 5);
        path.lineTo(135, 5);
        Corner(path, {160, 5}, {160, 30});
        path.lineTo(160, 55);
        Corner(path, {160, 80}, {135, 80});
        path.lineTo(30, 80);
        path.lineTo(15, 100);
        path.lineTo(16, 76);
        Corner(path, {5, 76}, {5, 55});
        path.lineTo(5, 30);
        Corner(path, {5, 5}, {30, 5});
        path.closeSubpath();
        break;
    case 1: // tail lower right, tip (155,110)
        path.moveTo(30, 5);
        path.lineTo(135, 5);
        Corner(path, {160, 5}, {160, 30});
        path.lineTo(160, 55);
        Corner(path, {160, 80}, {145, 80});
        path.lineTo(155, 110);
        path.lineTo(115, 80);
        path.lineTo(30, 80);
        Corner(path, {5, 80}, {5, 55});
        path.lineTo(5, 30);
        Corner(path, {5, 5}, {30, 5});
        path.closeSubpath();
        break;
    case 2: // tail upper left, tip (10,0)
        path.moveTo(40, 20);
        path.lineTo(135, 20);
        Corner(path, {160, 20}, {160, 45});
        path.lineTo(160, 70);
        Corner(path, {160, 95}, {135, 95});
        path.lineTo(35, 95);
        Corner(path, {5, 95}, {5, 70});
        path.lineTo(5, 45);
        Corner(path, {5, 20}, {20, 20});
        path.lineTo(10, 0);
        path.lineTo(40, 20);
        path.closeSubpath();
        break;
    default:
        break;
    }
    return path;
}

void CenterChild(QWidget* parent, QWidget* child)
{
    if (!parent || !child)
        return;
    const QRect outer = parent->frameGeometry();
    const QRect inner = child->frameGeometry();
    const int x = parent->x() + CentredOffset(outer.right() - outer.left(), inner.right() - inner.left());
    const int y = parent->y() + CentredOffset(outer.bottom() - outer.top(), inner.bottom() - inner.top());
    const QScreen* screen = parent->screen();
    MoveOntoScreen(child, x, y, screen ? screen : QGuiApplication::primaryScreen());
}

void CenterChild(const QRect& area, int screen, QWidget* child)
{
    if (!child)
        return;
    const QRect inner = child->frameGeometry();
    const int x = area.left() + CentredOffset(area.right() - area.left(), inner.right() - inner.left());
    const int y = area.top() + CentredOffset(area.bottom() - area.top(), inner.bottom() - inner.top());
    const QList<QScreen*> screens = QGuiApplication::screens();
    const QScreen* target = screen >= 0 && screen < screens.size() ? screens.at(screen)
                                                                    : QGuiApplication::primaryScreen();
    MoveOntoScreen(child, x, y, target);
}

void MacToolbuttonAutoraise(QToolButton* button)
{
    if (!button)
        return;
    button->setStyleSheet(QStringLiteral("QToolButton:checked{ background-color: rgb(175,175,175); }"
                                         "QToolButton { background-color: transparent; }"
                                         "QToolButton:hover{ background-color: rgb(175,175,175); }"));
}

bool PickerReturn(const QKeyEvent* event, QWidget* focus, const QAbstractItemView* list)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    if (focus == list && list->currentIndex().isValid())
        return true;
    auto* page = qobject_cast<QToolButton*>(focus);
    if (page)
        page->click();
    return page != nullptr;
}

bool StringCompareAscending(const QString& a, const QString& b)
{
    return a < b;
}

void SystemLogWrite(const QString& text, bool flag)
{
    Q_UNUSED(text);
    Q_UNUSED(flag);
}

void SystemLogWriteDate()
{
}

bool RemoveDir(const QString& path)
{
    const QFileInfo self(path);
    // A link is removed itself; following it would empty a folder elsewhere.
    if (self.isSymLink())
        return QFile::remove(path);
    QDir dir(path);
    if (!dir.exists())
        return true;
    const QFileInfoList entries = dir.entryInfoList(
        QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System, QDir::DirsFirst);
    for (const QFileInfo& entry : entries) {
        const QString entryPath = entry.absoluteFilePath();
        const bool removed =
            entry.isDir() && !entry.isSymLink() ? RemoveDir(entryPath) : QFile::remove(entryPath);
        if (!removed)
            return false;
    }
    return dir.rmdir(dir.absolutePath());
}

qint64 DirSize(const QString& path)
{
    const QDir dir(path);
    if (!QFileInfo(path).isDir())
        return 0;
    qint64 total = 0;
    const QFileInfoList entries = dir.entryInfoList(
        QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        if (entry.isDir())
            total += DirSize(entry.absoluteFilePath());
        else
            total += entry.size();
    }
    return total;
}
