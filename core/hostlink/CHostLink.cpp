#include "core/hostlink/CHostLink.h"

namespace {

const CHostLink* currentLink = nullptr;

}  // namespace

void SetHostLink(const CHostLink* link) { currentLink = link; }

const HostFunctionTable& Host() {
  static const HostFunctionTable noHost;
  return currentLink ? currentLink->GetHostFunctions() : noHost;
}

std::string GetModuleBaseName() { return currentLink ? currentLink->GetModuleBaseName() : std::string(); }
