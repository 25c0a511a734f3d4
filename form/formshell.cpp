#include "formshell.h"

FormShell::~FormShell() = default;
