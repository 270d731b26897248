#pragma once

#include "Types.h"

class CCmdTarget;
using AFX_PMSG = void (CCmdTarget::*)();

// Message maps route control notifications and commands to handlers. Every handler
// takes no arguments, as the system's own handlers do.
struct AFX_MSGMAP_ENTRY {
    int nCode;  // BN_CLICKED, EN_CHANGE, ...; -1 ends the table
    UINT nID;
    UINT nLastID;
    AFX_PMSG pfn;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* pBaseMap;
    const AFX_MSGMAP_ENTRY* lpEntries;
};

class CCmdTarget {
public:
    virtual ~CCmdTarget() = default;
    // Runs the first handler for nCode from nID, searching this class's map first.
    // Returns FALSE when no map has one.
    BOOL OnCmdMsg(UINT nID, int nCode);

    static const AFX_MSGMAP messageMap;

protected:
    virtual const AFX_MSGMAP* GetMessageMap() const { return &messageMap; }
};

#define DECLARE_MESSAGE_MAP()                            \
protected:                                               \
    static const AFX_MSGMAP_ENTRY _messageEntries[];     \
    const AFX_MSGMAP* GetMessageMap() const override;    \
                                                         \
public:                                                  \
    static const AFX_MSGMAP messageMap;

// One message map per source file, as one class per file: ThisClass names its class.
#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                            \
    using ThisClass = theClass;                                                           \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return &theClass::messageMap; }   \
    const AFX_MSGMAP theClass::messageMap = {&baseClass::messageMap, &theClass::_messageEntries[0]}; \
    const AFX_MSGMAP_ENTRY theClass::_messageEntries[] = {

#define END_MESSAGE_MAP() {-1, 0, 0, nullptr}};

#define ON_CONTROL(code, id, fn) {code, static_cast<UINT>(id), static_cast<UINT>(id), static_cast<AFX_PMSG>(&ThisClass::fn)},
#define ON_CONTROL_RANGE(code, first, last, fn) \
    {code, static_cast<UINT>(first), static_cast<UINT>(last), static_cast<AFX_PMSG>(&ThisClass::fn)},
#define ON_BN_CLICKED(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
#define ON_EN_CHANGE(id, fn) ON_CONTROL(EN_CHANGE, id, fn)
#define ON_COMMAND(id, fn) ON_CONTROL(BN_CLICKED, id, fn)
