#pragma once

#include <QColor>
#include <QWidget>

namespace dorv {

// A single round indicator LED with a bezel; lit or dark.
class Led : public QWidget {
    Q_OBJECT
    Q_PROPERTY(bool lit READ isLit WRITE setLit)

public:
    explicit Led(QWidget *parent = nullptr);

    bool isLit() const { return lit_; }
    QColor color() const { return color_; }
    // The lit colour; the dark LED is drawn as a deep shade of it.
    void setColor(const QColor &color);

    QSize sizeHint() const override { return QSize(16, 16); }
    QSize minimumSizeHint() const override { return QSize(6, 6); }

public slots:
    void setLit(bool lit);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    bool lit_ = false;
    QColor color_{255, 60, 40};
};

} // namespace dorv
