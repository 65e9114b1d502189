#include "doc/CFlugInfoDlg.h"
