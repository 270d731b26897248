#include "Backend.h"

namespace {
IWindowBackend* g_pBackend = nullptr;
}

void AfxSetBackend(IWindowBackend* pBackend) { g_pBackend = pBackend; }
IWindowBackend* AfxGetBackend() { return g_pBackend; }
