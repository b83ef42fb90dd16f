#include "qt/main_window.h"

#include "qt/artwork.h"
#include "qt/convert.h"
#include "qt/widgets.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>

#include <algorithm>
#include <array>
#include <string_view>

namespace tessomar::view {

namespace {

// The hidden focus catchers: the core moves the focus through them, the user
// never sees or clicks them, so they get no widget at all.
constexpr std::array<std::string_view, 10> kCatchers = {"VelTab",      "DispTab",    "FreqTab",    "AccelTab",
                                                        "AccelBounce", "VelBounce",  "DispBounce", "FreqBounce",
                                                        "TabBounce",   "TabDnBounce"};

bool isCatcher(const tk::Control& c) {
    return std::find(kCatchers.begin(), kCatchers.end(), c.baseName()) != kCatchers.end();
}

bool isHelpPanel(const tk::Control& c) { return c.baseName() == "SineHelp" || c.baseName() == "RanHelp"; }

} // namespace

MainWindow::MainWindow(float twipsPerPixel, QWidget* parent) : QWidget(parent) {
    installFontSubstitutions();
    setObjectName(QStringLiteral("Tessomar"));
    setAccessibleName(QString::fromStdString(m_core.Caption));
    const int dpi = logicalDpiX();
    m_twipsPerPixel = twipsPerPixel > 0 ? twipsPerPixel : 1440.0f / static_cast<float>(dpi > 0 ? dpi : 96);
    // The core scales its layout at load from the screen's resolution.
    m_core.twipsPerPixelX = m_twipsPerPixel;
    m_core.Beep = [] { QApplication::beep(); };
    m_core.Notice = [this](const tk::Control& at, const std::string& message) { showNotice(at, message); };
    m_core.load();

    setFont(toQFont(m_core.font));
    setAutoFillBackground(true);
    if (const QColor back = toQColor(m_core.BackColor); back.isValid()) {
        QPalette p = palette();
        p.setColor(QPalette::Window, back);
        setPalette(p);
    }
    // Every control gets its binding now; the widgets are made when the
    // window is first shown (see showEvent).
    m_bindings.reserve(m_core.controls().size());
    for (tk::Control* c : m_core.controls()) {
        Binding b;
        b.control = c;
        b.built = isCatcher(*c);
        m_bindings.push_back(std::move(b));
    }
    sync();
}

MainWindow::~MainWindow() = default;

// The widget drawing one control; the hidden focus catchers never get here.
QWidget* MainWindow::createWidget(tk::Control& c) {
    QWidget* w = nullptr;
    switch (c.kind()) {
    case tk::Kind::TextBox:
        if (isHelpPanel(c)) {
            auto* panel = new QPlainTextEdit(this);
            panel->setReadOnly(true);
            panel->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            panel->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            panel->setLineWrapMode(QPlainTextEdit::WidgetWidth);
            panel->document()->setDocumentMargin(2);
            panel->viewport()->installEventFilter(this);
            panel->viewport()->setFocusPolicy(Qt::NoFocus);
            panel->setContextMenuPolicy(Qt::NoContextMenu);
            w = panel;
        } else {
            auto* edit = new QLineEdit(this);
            edit->setTextMargins(0, 0, 0, 0);
            edit->setContextMenuPolicy(Qt::DefaultContextMenu);
            w = edit;
        }
        w->setAcceptDrops(false);
        w->setAttribute(Qt::WA_InputMethodEnabled, false);
        break;
    case tk::Kind::Label: {
        auto* label = new QLabel(this);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        w = label;
        break;
    }
    case tk::Kind::CommandButton:
        w = new QPushButton(this);
        connect(static_cast<QPushButton*>(w), &QPushButton::clicked, this, [this, &c] {
            if (m_syncing) return;
            m_core.click(c);
            sync();
        });
        break;
    case tk::Kind::ScrollBar: {
        auto* bar = new ScrollBarWidget(this);
        // A drag is reported once, when the thumb is let go.
        bar->setTracking(false);
        bar->setContextMenuPolicy(Qt::NoContextMenu);
        connect(bar, &QScrollBar::actionTriggered, this, [this](int action) { onScrollAction(action); });
        w = bar;
        break;
    }
    case tk::Kind::PictureBox:
        w = new PictureWidget(this, c.baseName() == "ShockHelp" ? PictureWidget::Source(shockHelpPixmap)
                                                                : PictureWidget::Source(bannerPixmap));
        break;
    case tk::Kind::Line:
        w = new LineWidget(this);
        break;
    }
    return w;
}

// Makes the widgets not made yet: all of them, or only those of controls
// shown inside the window as it stands.
void MainWindow::buildWidgets(bool onScreenOnly) {
    bool made = false, all = true;
    for (Binding& b : m_bindings) {
        if (b.built) continue;
        const tk::Control& c = *b.control;
        if (onScreenOnly && !(c.Visible && c.Top < m_core.clientHeight())) {
            all = false;
            continue;
        }
        bind(b, createWidget(*b.control));
        made = true;
    }
    m_allBuilt = all;
    if (!made) return;
    // Back to front: each raise puts the widget over all raised before it.
    std::vector<Binding*> order;
    for (Binding& b : m_bindings)
        if (b.widget) order.push_back(&b);
    std::stable_sort(order.begin(), order.end(),
                     [](const Binding* a, const Binding* b) { return a->control->zOrder > b->control->zOrder; });
    for (Binding* b : order) b->widget->raise();
}

void MainWindow::bind(Binding& b, QWidget* w) {
    const tk::Control& c = *b.control;
    b.built = true;
    b.widget = w;
    if (w) {
        w->setObjectName(QString::fromStdString(c.name()));
        w->setAccessibleName(accessibleNameFor(c));
        if (c.baseName() == "ShockHelp") w->setAccessibleDescription(shockHelpText());
        if (c.shortcutKey) {
            // A key the caption does not show: say it to readers and on hover.
            const QString key = QStringLiteral("Alt+%1").arg(QChar::fromLatin1(c.shortcutKey).toUpper());
            w->setAccessibleDescription(key);
            w->setToolTip(key);
        }
        w->setFocusPolicy(Qt::NoFocus);
        w->installEventFilter(this);
        if (c.hasFont) w->setFont(toQFont(c.font));
        b.edit = qobject_cast<QLineEdit*>(w);
        b.panel = qobject_cast<QPlainTextEdit*>(w);
        b.button = qobject_cast<QPushButton*>(w);
        b.label = qobject_cast<QLabel*>(w);
        b.bar = qobject_cast<QScrollBar*>(w);
        b.line = dynamic_cast<LineWidget*>(w);
    }
}

QWidget* MainWindow::widgetFor(const tk::Control& c) const {
    for (const Binding& b : m_bindings)
        if (b.control == &c) return b.widget;
    return nullptr;
}

QWidget* MainWindow::widgetFor(std::string_view name) const {
    const tk::Control* c = m_core.find(name);
    return c ? widgetFor(*c) : nullptr;
}

MainWindow::Binding* MainWindow::bindingOf(QObject* o) {
    for (Binding& b : m_bindings) {
        if (!b.widget) continue;
        if (b.widget == o || (b.panel && b.panel->viewport() == o)) return &b;
    }
    return nullptr;
}

void MainWindow::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    // The calculator starts its work when its window first appears.
    if (!m_activated) {
        m_activated = true;
        m_core.activate();
        // The first frame needs only the widgets it shows. The rest (the
        // table's rows below the Sine screen, the hidden help panels) are
        // made by the first sync after it, queued at the first paint.
        buildWidgets(true);
        sync();
        m_startingUp = false;
        return;
    }
    sync();
}

} // namespace tessomar::view
