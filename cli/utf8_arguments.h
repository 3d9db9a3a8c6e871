// The program's arguments in UTF-8, the form the core takes paths in.
#pragma once

#include <string>
#include <vector>

std::vector<std::string> utf8Arguments(int argc, char** argv);
