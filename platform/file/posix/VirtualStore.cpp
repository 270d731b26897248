#include "VirtualStore.h"

std::string CVirtualStore::CopyPathOf(const std::string&)
{
    return std::string();
}

std::string CVirtualStore::ExistingCopyOf(const std::string&)
{
    return std::string();
}
