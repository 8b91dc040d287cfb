#pragma once
// The proxies a description proxy creates and owns: kept in creation order,
// deleted newest first so that host references go back in reverse order of
// acquisition.

#include <memory>
#include <vector>

template <class Proxy>
void AAX_DeleteNewestFirst(std::vector<std::unique_ptr<Proxy>>& proxies) {
  while (!proxies.empty()) proxies.pop_back();
}

// Keeps a new proxy (null stays null) and answers it.
template <class Proxy>
Proxy* AAX_KeepProxy(std::unique_ptr<Proxy> proxy, std::vector<std::unique_ptr<Proxy>>& owned) {
  Proxy* kept = proxy.get();
  if (kept) owned.push_back(std::move(proxy));
  return kept;
}
