#include "qt/convert.h"

#include <cmath>

namespace tessomar::view {

QColor toQColor(tk::Color c) {
    if (c == tk::kSystemColor || c == tk::kTransparent) return {};
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF), static_cast<int>((c >> 16) & 0xFF));
}

int toPixels(float twips, float twipsPerPixel) {
    if (!(twipsPerPixel > 0)) return 0;
    return static_cast<int>(std::lround(static_cast<double>(twips) / twipsPerPixel));
}

QRect pixelRect(const tk::Control& c, float twipsPerPixel) {
    return {toPixels(c.Left, twipsPerPixel), toPixels(c.Top, twipsPerPixel), toPixels(c.Width, twipsPerPixel),
            toPixels(c.Height, twipsPerPixel)};
}

QFont toQFont(const tk::Font& f) {
    QFont font(QString::fromStdString(f.face));
    if (f.size > 0) font.setPointSizeF(f.size);
    // 600 is the semi-bold of the mode buttons; Qt's weights use the same scale.
    font.setWeight(static_cast<QFont::Weight>(f.weight));
    return font;
}

void installFontSubstitutions() {
    struct Pair {
        const char* face;
        const char* installed;
    };
    static constexpr Pair pairs[] = {
        {"Arial", "Liberation Sans"}, {"MS Sans Serif", "DejaVu Sans"}, {"Bookman Old Style", "URW Bookman"}};
    for (const Pair& p : pairs) {
        const QString face = QString::fromLatin1(p.face);
        if (!QFont::substitutes(face).contains(QLatin1String(p.installed)))
            QFont::insertSubstitution(face, QString::fromLatin1(p.installed));
    }
}

QString withoutAccessMark(const std::string& caption) {
    QString out;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 < caption.size() && caption[i + 1] == '&') out += QLatin1Char('&'), ++i;
            continue;
        }
        out += QLatin1Char(caption[i]);
    }
    return out;
}

namespace {

bool crlf(const std::string& text, std::size_t i) {
    return text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n';
}

// How many UTF-16 units the edit shows for the byte at i: none for the LF
// of a CR LF pair (shown as one LF) and for the trailing bytes of a UTF-8
// character, two for a character beyond the 16-bit range.
int unitsAt(const std::string& text, std::size_t i) {
    const auto byte = static_cast<unsigned char>(text[i]);
    if ((i > 0 && crlf(text, i - 1)) || (byte & 0xC0) == 0x80) return 0;
    return byte >= 0xF0 ? 2 : 1;
}

} // namespace

QString toDisplayText(const std::string& text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i)
        if (!crlf(text, i)) shown += text[i];
    return QString::fromStdString(shown);
}

int displayToCore(const std::string& text, int displayPos) {
    int shown = 0;
    std::size_t i = 0;
    while (i < text.size() && (shown < displayPos || unitsAt(text, i) == 0)) shown += unitsAt(text, i++);
    return static_cast<int>(i);
}

int coreToDisplay(const std::string& text, int corePos) {
    int shown = 0;
    const std::size_t end = std::min(text.size(), static_cast<std::size_t>(std::max(corePos, 0)));
    for (std::size_t i = 0; i < end; ++i) shown += unitsAt(text, i);
    return shown;
}

QString accessibleNameFor(const tk::Control& c) {
    const std::string& base = c.baseName();
    if (c.index() >= 0) {
        const QString row = QString::number(c.index() + 1);
        if (base == "F") return QStringLiteral("Row %1 frequency").arg(row);
        if (base == "A") return QStringLiteral("Row %1 PSD").arg(row);
        if (base == "B") return QStringLiteral("Row %1 number").arg(row);
    }
    if (base == "Scroll") return QStringLiteral("Break points");
    if (base == "SineHelp") return QStringLiteral("Sine help");
    if (base == "RanHelp") return QStringLiteral("Random help");
    if (base == "ShockHelp") return QStringLiteral("Shock help");
    if (base == "Picture1") return QStringLiteral("Tessomar");
    switch (c.kind()) {
    case tk::Kind::CommandButton:
        return withoutAccessMark(c.Caption);
    case tk::Kind::Label:
        return QString::fromStdString(c.Caption);
    case tk::Kind::TextBox:
        // The column headers are text boxes: their text names them.
        if (base == "BkLbl" || base == "RfreqLbl" || base == "PSDLbl")
            return QString::fromStdString(static_cast<const tk::TextBox&>(c).Text()).trimmed();
        return QString::fromStdString(base);
    default:
        return QString::fromStdString(base);
    }
}

} // namespace tessomar::view
