#include "qt/artwork.h"

#include <QString>

namespace tessomar::view {

// The icon ships as PNGs rendered from data/icons/hicolor/scalable, one per
// size a desktop asks for, so the window icon needs no SVG image plugin and
// every size stays sharp instead of being scaled from one bitmap.
QIcon appIcon() {
    static constexpr int kSizes[] = {16, 24, 32, 48, 64, 128, 256};
    QIcon icon;
    for (int size : kSizes) {
        const QString path = QStringLiteral(":/icons/hicolor/%1x%1/apps/org.tessomar.Tessomar.png").arg(size);
        icon.addFile(path, QSize(size, size));
    }
    return icon;
}

} // namespace tessomar::view
