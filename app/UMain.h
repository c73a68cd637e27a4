#pragma once

#include <QMainWindow>

// The program's one top-level window.
class TFMain : public QMainWindow
{
    Q_OBJECT

public:
    explicit TFMain(QWidget* parent = nullptr);
};
