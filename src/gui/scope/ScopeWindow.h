#pragma once

#include "Radio.h"

#include <QHash>
#include <QMainWindow>
#include <functional>
#include <string>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;

namespace dorv::gui {

class ScopeChartWidget;
class WaterfallWidget;

// The band scope window frmBandScope: the chart with the waterfall below it, START/STOP
// and RESET, the current and centre frequency readouts, the step and width lists, and its
// File, Settings and Help menus. It shows the core's scope state and forwards every input
// to the core; only Save Picture is its own, as only it has the picture.
class ScopeWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit ScopeWindow(Radio &radio, QWidget *parent = nullptr);

    void render();
    // The chart and the waterfall as one picture.
    QImage picture() const;
    // Writes the picture as PNG, replacing the file only once it is whole.
    bool savePicture(const QString &path, std::string &error) const;

signals:
    // A core handler ran; the windows redraw from the panel state.
    void acted();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    using Items = std::vector<MenuItem> ScopeWindowState::*;
    using Click = std::function<void(Radio &, int)>;

    void buildMenus();
    void buildFace();
    // The chart over the waterfall; returns the y at which the waterfall ends.
    int buildPlot(QWidget *face);
    void buildControls(QWidget *face, int row);
    QMenu *addArray(QMenu *parent, const QString &title, Items items, Click click, bool checkable,
                    const QList<int> &order = {});
    void renderMenus();
    void run(const std::function<void(Radio &)> &handler);
    void askAndSavePicture();
    void centreOnScreen();

    Radio &radio_;
    QWidget *plot_ = nullptr; // holds the chart and the waterfall
    ScopeChartWidget *chart_ = nullptr;
    WaterfallWidget *waterfall_ = nullptr;
    QPushButton *scan_ = nullptr;
    QPushButton *reset_ = nullptr;
    QLabel *current_ = nullptr;
    QLabel *centre_ = nullptr;
    QLabel *notAnswering_ = nullptr;
    QComboBox *steps_ = nullptr;
    QComboBox *widths_ = nullptr;
    QHash<QAction *, QPair<Items, int>> actions_;
};

} // namespace dorv::gui
