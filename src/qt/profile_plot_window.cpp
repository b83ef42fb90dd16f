// The Profile plot tool: the main window's table drawn from the chart model,
// at a level in dB, with tolerance lines, saved as SVG.
#include "qt/plot_widget.h"
#include "qt/tool_window.h"
#include "tools/profile_plot.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessomar::view {

namespace {

class ProfilePlotWindow : public ToolWindow {
public:
    ProfilePlotWindow(QWidget& main, const Tessomar& core, const char* objectName)
        : ToolWindow(&main, m_plot, objectName), m_plot(core) {
        m_view = named(new PlotWidget(this), "Plot", "Profile plot");
        m_level = named(new QDoubleSpinBox(this), "Level", "Level");
        m_level->setRange(tools::ProfilePlot::kMinLevel, tools::ProfilePlot::kMaxLevel);
        m_level->setDecimals(1);
        m_level->setSingleStep(0.5);
        m_level->setSuffix(QStringLiteral(" dB"));
        m_alarm = named(new QCheckBox(QStringLiteral("±3 dB &alarm lines"), this), "Alarm", "±3 dB alarm lines");
        m_abort = named(new QCheckBox(QStringLiteral("±6 dB a&bort lines"), this), "Abort", "±6 dB abort lines");
        m_save = named(new QPushButton(QStringLiteral("&Save as SVG…"), this), "SaveSvg", "Save as SVG…");
        m_status = named(new QLabel(this), "Status", "Status");
        m_status->setWordWrap(true);
        m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
        auto* levelLabel = named(new QLabel(QStringLiteral("&Level:"), this), "LevelLabel", "Level label");
        levelLabel->setBuddy(m_level);

        auto* controls = new QHBoxLayout;
        controls->addWidget(levelLabel);
        controls->addWidget(m_level);
        controls->addSpacing(12);
        controls->addWidget(m_alarm);
        controls->addWidget(m_abort);
        controls->addStretch(1);
        controls->addWidget(m_save);
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(m_view, 1);
        layout->addLayout(controls);
        layout->addWidget(m_status);
        setTabOrder(m_level, m_alarm);
        setTabOrder(m_alarm, m_abort);
        setTabOrder(m_abort, m_save);
        resize(680, 520);

        connect(m_level, &QDoubleSpinBox::valueChanged, this, [this](double db) {
            m_plot.setLevel(db);
            refresh();
        });
        for (auto [box, band] : {std::pair{m_alarm, tools::ProfilePlot::kAlarm}, {m_abort, tools::ProfilePlot::kAbort}})
            connect(box, &QCheckBox::toggled, this, [this, band](bool on) {
                m_plot.setBand(band, on);
                refresh();
            });
        connect(m_save, &QPushButton::clicked, this, [this] { save(); });
        setUp();
    }

protected:
    void refresh() override {
        m_view->setChart(m_plot.chart());
        m_view->setAccessibleDescription(QString::fromStdString(m_plot.description()));
        m_status->setText(QString::fromStdString(m_plot.status()));
    }

private:
    template <typename W> W* named(W* w, const char* name, const QString& accessible) {
        w->setObjectName(QString::fromLatin1(name));
        w->setAccessibleName(accessible);
        return w;
    }

    void save() {
        // The standard dialog, which asks before it overwrites a file.
        QFileDialog dialog(this, QStringLiteral("Save as SVG"), m_folder, QStringLiteral("SVG pictures (*.svg)"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("svg"));
        dialog.selectFile(QStringLiteral("profile.svg"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
        const QString path = dialog.selectedFiles().constFirst();
        m_folder = QFileInfo(path).absolutePath();
        m_plot.save(path.toStdString());
        refresh();
    }

    tools::ProfilePlot m_plot;
    PlotWidget* m_view;
    QDoubleSpinBox* m_level;
    QCheckBox *m_alarm, *m_abort;
    QPushButton* m_save;
    QLabel* m_status;
    QString m_folder;
};

} // namespace

ToolWindow* makeProfilePlot(QWidget& main, const Tessomar& core, const char* objectName) {
    return new ProfilePlotWindow(main, core, objectName);
}

} // namespace tessomar::view
