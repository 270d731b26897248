#pragma once

// The conformance cases are written once, against this interface, and every backend runs
// them. A backend joins by adding one driver source file (see HeadlessDriver.cpp and
// QtDriver.cpp) that
//   - installs its backend as the current one for the life of the driver and, if it
//     needs one, makes its application object once per test program;
//   - runs a CDialog modally and calls the script from inside the modal loop, so that
//     the script acts as the user; a dialog the script leaves open is ended with
//     IDCANCEL; no call may block;
//   - delivers keys the way its window system does: to the focused control, Tab and
//     Shift+Tab included, and the close box as the window manager's close request;
//   - types into an edit box key by key, after a click at the end of its text;
//   - reads back what the window shows (focus, selection, texts, list rows), not what
//     the framework last wrote;
//   - scripts the next message box: keys first, then a click if the box is still open;
// and instantiates the suite:
//   INSTANTIATE_TEST_SUITE_P(MyBackend, Conformance, ::testing::Values(&MakeMyDriver));
// Cases may use only what is declared here and the framework's own API.

#include "Backend.h"
#include "Dialog.h"

#include <functional>
#include <memory>
#include <utility>
#include <vector>

class IDriverWindow {
public:
    virtual ~IDriverWindow() = default;
    // Enter, Esc, Tab, Shift+Tab and F1 to the focused control; CloseBox asks the window
    // to close.
    virtual void Press(DialogKey key) = 0;
    virtual void Click(int nID) = 0;
    virtual void TypeKeys(int nID, const char* pszKeys) = 0;
    // The ID of the control with the focus, or 0.
    virtual int Focus() const = 0;
    // An edit box's selection as [start, end); a caret alone is an empty range.
    virtual std::pair<int, int> Selection(int nID) const = 0;
    virtual CString Text(int nID) const = 0;
    virtual std::vector<CString> Rows(int nID) const = 0;
    virtual bool IsOpen() const = 0;
};

class IConformanceDriver {
public:
    virtual ~IConformanceDriver() = default;
    // Runs dlg modally with script as the user; returns what DoModal returned.
    virtual int Run(CDialog& dlg, std::function<void(IDriverWindow&)> script) = 0;
    // The next message box with these buttons (MB_OK or MB_YESNO) gets keys in order
    // (Enter, Escape, CloseBox) and then, if still open, a click on the button that
    // answers nClick.
    virtual void ActOnNextMessageBox(UINT nButtons, std::vector<DialogKey> keys, int nClick = 0) = 0;
};

// A driver that makes the backend Create makes the current backend for its life.
template <std::unique_ptr<IWindowBackend> (*Create)()> class CBackendDriver : public IConformanceDriver {
public:
    CBackendDriver() { AfxSetBackend(m_pBackend.get()); }
    ~CBackendDriver() override { AfxSetBackend(nullptr); }

private:
    std::unique_ptr<IWindowBackend> m_pBackend = Create();
};

using DriverFactory = std::unique_ptr<IConformanceDriver> (*)();
