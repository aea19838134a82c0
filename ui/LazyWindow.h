#pragma once
// A window global that is made the first time anything looks at it. The
// dialogs cost a good share of the program's start-up in building controls,
// loading faces and sizes the main window does not use and laying out their
// text; most runs never open them, so they are built when first asked for.

// Holds a Window* like the plain global it replaces: `->`, conversion to a
// pointer and assignment of a pointer behave as on that pointer, except that
// a holder armed by MakeOnFirstUse() builds its window on the first such look.
// Assigning a pointer (nullptr included) disarms it. Not thread-safe: windows
// live on the GUI thread.
template <class Window>
class LazyWindow {
public:
    using Maker = Window* (*)();

    LazyWindow() = default;
    LazyWindow(const LazyWindow&) = delete;
    LazyWindow& operator=(const LazyWindow&) = delete;

    // Forgets any window held (without deleting it) and builds one with
    // `make` when first looked at.
    void MakeOnFirstUse(Maker make)
    {
        window_ = nullptr;
        make_ = make;
    }

    LazyWindow& operator=(Window* window)
    {
        window_ = window;
        make_ = nullptr;
        return *this;
    }

    // The window, built now if the holder is armed; nullptr if neither.
    Window* Get() const
    {
        if (make_ != nullptr) {
            const Maker make = make_;
            make_ = nullptr;  // a window that looks at its own global while built sees none
            window_ = make();
        }
        return window_;
    }

    Window* operator->() const { return Get(); }
    operator Window*() const { return Get(); }  // NOLINT(google-explicit-constructor): stands in for a pointer

    // Whether the window has been built (or assigned), without building it.
    bool IsMade() const { return window_ != nullptr; }

private:
    mutable Window* window_ = nullptr;
    mutable Maker make_ = nullptr;
};
