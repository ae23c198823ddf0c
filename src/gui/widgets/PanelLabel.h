#pragma once

#include <QColor>
#include <QWidget>

namespace dorv {

// A small legend printed on the LCD ("BUSY", "ENC", a repeater arrow). Switching it off
// paints nothing but keeps its place, so neighbours never move. Its background is
// transparent: the display behind it shows through.
class PanelLabel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool shown READ isShown WRITE setShown)
    Q_PROPERTY(QString text READ text WRITE setText)

public:
    explicit PanelLabel(const QString &text = QString(), QWidget *parent = nullptr);

    QString text() const { return text_; }
    void setText(const QString &text);

    bool isShown() const { return shown_; }

    // Qt::UpArrow etc. draws that arrow instead of the text; Qt::NoArrow draws the text.
    void setArrow(Qt::ArrowType arrow);

    void setAlignment(Qt::Alignment alignment);

    void setColor(const QColor &color);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

public slots:
    void setShown(bool shown);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString text_;
    bool shown_ = true;
    Qt::ArrowType arrow_ = Qt::NoArrow;
    Qt::Alignment alignment_ = Qt::AlignCenter;
    QColor color_{20, 24, 28};
};

} // namespace dorv
