#include "app/PanelDumpWriter.h"

#include "panel/PanelDump.h"
#include "widgets/OnAirLamp.h"

#include <QSaveFile>

namespace dorv::gui {

namespace {
constexpr int kDumpIntervalMs = 100;
}

PanelDumpWriter::PanelDumpWriter(const dorv::PanelState &panel, const QWidget *face, QString path,
                                 QObject *parent)
    : QObject(parent), panel_(panel), face_(face), path_(std::move(path))
{
    connect(&timer_, &QTimer::timeout, this, &PanelDumpWriter::writeIfChanged);
    timer_.start(kDumpIntervalMs);
}

void PanelDumpWriter::installIfRequested(const dorv::PanelState &panel, const QWidget *face,
                                         QObject *parent)
{
    const QString path = qEnvironmentVariable("DORV_PANEL_DUMP");
    if (!path.isEmpty()) {
        new PanelDumpWriter(panel, face, path, parent);
    }
}

// Written beside and renamed, so a reader never sees half a dump.
void PanelDumpWriter::writeIfChanged()
{
    std::string text = dorv::DumpPanel(panel_);
    const auto *lamp = face_ ? face_->findChild<const dorv::OnAirLamp *>("lblOnAir") : nullptr;
    text += std::string("OnAirLamp=") + (lamp && lamp->isShown() && lamp->isVisible() ? "1" : "0") +
            "\n";
    if (face_ && face_->isVisible()) {
        const QPoint at = face_->mapToGlobal(QPoint(0, 0));
        text += QStringLiteral("FaceOnScreen=%1 %2 %3 %4\n")
                    .arg(at.x())
                    .arg(at.y())
                    .arg(face_->width())
                    .arg(face_->height())
                    .toStdString();
    }
    if (text == last_) {
        return;
    }
    QSaveFile file(path_);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(text.data(), static_cast<qint64>(text.size()));
        if (file.commit()) {
            last_ = std::move(text);
        }
    }
}

} // namespace dorv::gui
