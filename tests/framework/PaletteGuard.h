#pragma once

#include <QGuiApplication>
#include <QPalette>

// Lets a test put a palette of known colours in place; the old one comes back when the test ends.
class PaletteGuard {
public:
    PaletteGuard() : saved_(QGuiApplication::palette()) {}
    ~PaletteGuard() { QGuiApplication::setPalette(saved_); }
    PaletteGuard(const PaletteGuard &) = delete;
    PaletteGuard &operator=(const PaletteGuard &) = delete;

private:
    QPalette saved_;
};
