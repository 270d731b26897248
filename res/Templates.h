#pragma once

#include "DialogTemplate.h"

// The application's five dialog templates and icon 128, for AfxSetResources.
const ResourceTable& OrvaneResources();
const DialogTemplate* FindOrvaneDialog(UINT nID);
const IconResource* FindOrvaneIcon(UINT nID);
