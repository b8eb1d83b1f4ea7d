#pragma once

#include <QMainWindow>

class ModuleChooser;

// The start-up window. It is never shown in the normal path: it knows which module window to open and
// opens it when the splash is over.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    enum Module : int {
        NoModule = 0,
        HeightGauge = 1,
        Workspace = 2,
        MeasuringStand = 3,
        LaserBoreGauge = 4,
    };

    explicit MainWindow(QWidget *parent = nullptr);

    // The module the start-up opens: the stored choice when it names a module, the chooser for a stored 0,
    // the workspace otherwise (also when nothing is stored).
    int module() const { return m_module; }
    static int startupModule(int storedChoice);

    // A module window, shown at full size and deleted when closed; none for an unknown module.
    static QMainWindow *openModuleWindow(int module);
    // The module chooser; a choice opens that module (and stores it when asked to).
    static ModuleChooser *showChooser();

public slots:
    // Opens a module window (top level, no parent) or, for 0, the module chooser; remembers the choice for
    // the next start when asked to, and closes this window.
    void openModule(int module, bool remember);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    int m_module = Workspace;
};
