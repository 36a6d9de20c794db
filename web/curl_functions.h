// libcurl, bound by name at the first exchange rather than linked at start: the program starts
// without loading curl and the libraries it brings, as the Windows build binds WinInet.
#pragma once

#include <curl/curl.h>

namespace vq {

struct CurlFunctions {
  decltype(&curl_global_init) global_init;
  decltype(&curl_easy_init) easy_init;
  decltype(&curl_easy_setopt) easy_setopt;
  decltype(&curl_easy_perform) easy_perform;
  decltype(&curl_easy_cleanup) easy_cleanup;
  decltype(&curl_slist_append) slist_append;
  decltype(&curl_slist_free_all) slist_free_all;
  decltype(&curl_url) url;
  decltype(&curl_url_set) url_set;
  decltype(&curl_url_cleanup) url_cleanup;
};

// Loads libcurl and binds every function at the first call, and runs curl's global set-up once;
// a library or function that cannot be bound is the fatal error naming it. Any thread.
[[nodiscard]] const CurlFunctions& Curl();

}  // namespace vq
