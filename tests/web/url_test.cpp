#include "web/url.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace vq {
namespace {

struct UrlCase {
  const char* url;
  const char* host;
  std::int64_t port;
  const char* path;
};

class UrlSplit : public testing::TestWithParam<UrlCase> {};

TEST_P(UrlSplit, GivesHostPortAndPath) {
  const UrlCase& c = GetParam();
  EXPECT_EQ(UrlHost(c.url).View(), c.host);
  EXPECT_EQ(UrlPort(c.url), c.port);
  EXPECT_EQ(UrlPath(c.url).View(), c.path);
}

// Literals here are GBK: the full-width digits are the bytes A3 B8 A3 B0 A3 B8 A3 B0.
INSTANTIATE_TEST_SUITE_P(
    Cases, UrlSplit,
    testing::Values(UrlCase{"http://Server.Lan:8080/a/b?x=1", "server.lan", 8080, "/a/b?x=1"},
                    UrlCase{"HTTP://server.lan", "server.lan", 80, "/"},
                    UrlCase{"server.lan/index.php", "server.lan", 80, "/index.php"},
                    UrlCase{"http://server.lan:/x", "server.lan", 0, "/x"},
                    UrlCase{"https://server.lan/x", "https", 0, "//server.lan/x"},
                    UrlCase{"/abc?d", "", 80, "/abc?d"}, UrlCase{"http://h/p", "h", 80, "//h/p"},
                    UrlCase{"http://p/x", "p", 80, "//p/x"},
                    UrlCase{"http://server.lan:80.9/", "server.lan", 80, "/"},
                    UrlCase{"http://server.lan:８０８０/q", "server.lan", 8080, "/q"},
                    UrlCase{"http://server.lan:1e3/", "server.lan", 1000, "/"},
                    UrlCase{"http://server.lan:-5/", "server.lan", -5, "/"},
                    UrlCase{"http://server.lan:8080x/", "server.lan", 8080, "/"},
                    UrlCase{"http://a.b:81", "a.b", 81, "/"},
                    UrlCase{"http://WWW.X.CN/Q/R#F", "www.x.cn", 80, "/Q/R#F"},
                    UrlCase{"http://", "", 80, "//"}, UrlCase{"", "", 80, "/"},
                    UrlCase{"hTTp://127.0.0.1:18080/android_3.7.php", "127.0.0.1", 18080,
                            "/android_3.7.php"},
                    UrlCase{"http://京.cn/路", "京.cn", 80, "/路"}));

}  // namespace
}  // namespace vq
