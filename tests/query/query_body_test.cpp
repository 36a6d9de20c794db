#include <cstdint>
#include <map>
#include <string>

#include <gtest/gtest.h>

#include "query/provinces.h"
#include "query/query_exchange.h"
#include "tests/query/form_decoding.h"
#include "text/text_ops.h"

namespace vq {
namespace {

TEST(QueryBody, KeepsItsFixedShapeForAnAsciiPlate) {
  EXPECT_EQ(BuildQueryBody(1, "A12345"),
            Text("lei=%D0%A1%D0%CD%C6%FB%B3%B5&provice=%BE%A9&txtVehicleNo=A12345"
                 "&submit=%B2%E9+%D1%AF&location="));
}

TEST(QueryBody, SendsAnEmptyProvinceWithoutASelection) {
  for (const std::int64_t index : {std::int64_t{-1}, std::int64_t{31}}) {
    const Text body = BuildQueryBody(index, "A12345");
    EXPECT_NE(TextFind(body, "&provice=&txtVehicleNo=A12345&"), -1) << body.View();
  }
}

struct PlateCase {
  const char* name;
  Text plate;
  const char* encoded;
};

TEST(QueryBody, EncodesThePlateAsAFormValue) {
  const PlateCase cases[] = {
      {"ampersand and equals", "A&txtVehicleNo=B", "A%26txtVehicleNo%3DB"},
      {"percent", "50%", "50%25"},
      {"plus", "a+b", "a%2Bb"},
      {"space", "A 1", "A+1"},
      {"unreserved marks", "-_.*", "-_.*"},
      {"other marks", "~/?#", "%7E%2F%3F%23"},
      {"non-ASCII", "京A", "%BE%A9A"},
      {"a lone lead byte", "A\xB0", "A%B0"},
      {"empty", Text(), ""},
  };
  for (const PlateCase& c : cases) {
    SCOPED_TRACE(c.name);
    const Text body = BuildQueryBody(0, c.plate);
    EXPECT_EQ(body, TextJoin({"lei=%D0%A1%D0%CD%C6%FB%B3%B5&provice=%BD%F2&txtVehicleNo=",
                              c.encoded, "&submit=%B2%E9+%D1%AF&location="}));
  }
}

TEST(QueryBody, ThePlateCannotChangeTheFieldsTheServiceSees) {
  const Text plate = "A1&provice=%BE%A9&location=x y";
  const auto fields = testing_support::FormFields(BuildQueryBody(4, plate).View());
  ASSERT_EQ(fields.size(), 5u);
  EXPECT_EQ(fields.count("provice"), 1u);
  EXPECT_EQ(fields.find("provice")->second, ProvinceAbbreviation(4).View());
  EXPECT_EQ(fields.find("txtVehicleNo")->second, plate.View());
  EXPECT_EQ(fields.find("location")->second, "");
}

TEST(QueryEndpoint, IsThePhpPathOnTheConfiguredHost) {
  EXPECT_EQ(QueryEndpoint(), TextJoin({"http://", VQ_QUERY_SERVICE_HOST, "/android_3.7.php"}));
}

}  // namespace
}  // namespace vq
