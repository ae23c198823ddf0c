#pragma once

#include "Radio.h"

#include <QDialog>
#include <functional>

class QBoxLayout;
class QPushButton;

namespace dorv::gui {

// The frame every settings dialog shares: the SAVE, DEFAULT and CANCEL row, modal showing
// centred on the main window's screen while the core wants the dialog shown, and the
// keyboard: Enter presses SAVE, Escape and the close box CANCEL. The layout fixes the
// dialog at the size its contents ask for, so no control is ever cut off.
class SettingsDialogView : public QDialog {
    Q_OBJECT
public:
    SettingsDialogView(Radio &radio, const QString &name, QWidget *parent);

    // Redraws the dialog from the core's form and shows or hides it as the form says.
    virtual void render() = 0;

signals:
    // A core handler ran; the main window redraws from the panel state.
    void acted();

public slots:
    void reject() override;

protected:
    // The three buttons, added at the foot of the dialog's layout.
    void addButtons(QBoxLayout *layout);
    // Opens the dialog, centred, or hides it, to match the form's Visible flag.
    void showAs(bool visible);
    // Runs a core handler, then lets the window redraw.
    void act(const std::function<void()> &handler);

    virtual bool formVisible() const = 0;
    virtual void save() = 0;
    virtual void restoreDefaults() = 0;
    virtual void cancel() = 0;
    // The control that takes the focus when the dialog opens.
    virtual QWidget *firstFocus() = 0;

    Radio &radio_;

private:
    void centre();
};

// A settings dialog drawn from one core dialog: its form says whether it shows, and the
// three buttons run the dialog's SAVE, DEFAULT and CANCEL handlers.
template <typename Dialog> class FormDialogView : public SettingsDialogView {
public:
    FormDialogView(Radio &radio, Dialog &dialog, const QString &name, QWidget *parent)
        : SettingsDialogView(radio, name, parent), dialog_(dialog)
    {
    }

protected:
    bool formVisible() const override { return dialog_.form.Visible; }
    void save() override { dialog_.cmdSAVE_Click(); }
    void restoreDefaults() override { dialog_.cmdDEFAULT_Click(); }
    void cancel() override { dialog_.cmdCancel_Click(); }

    Dialog &dialog_;
};

} // namespace dorv::gui
