// GDI+ headers in the order they need under WIN32_LEAN_AND_MEAN (objidl first for PROPID/IStream).
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>
