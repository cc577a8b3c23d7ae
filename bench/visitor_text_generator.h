#pragma once
// A realistic real-time visitors text in the code page: records spread over lines (the item
// title sometimes on a line of its own), noise lines between records, full-width and
// no-break spaces, CR LF, and entry sources with a skewed frequency.

#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "text/codepage.h"

struct VisitorText {
  Text lineStart = FromUtf8("来源");
  Text itemTitle = FromUtf8("女士真丝连衣裙2019新款");
  Text text;
};

inline VisitorText GenerateVisitorText(std::size_t records, std::size_t distinctSources = 12, unsigned seed = 1) {
  static const char* const kNamed[] = {"手淘搜索", "直通车", "淘宝客", "手淘首页", "购物车", "我的淘宝",
                                       "已买到商品", "直接访问", "聚划算", "手淘问大家", "淘口令", "店铺收藏"};
  static const char* const kPlaces[] = {"浙江省杭州市", "广东省深圳市", "北京市", "上海市", "四川省成都市",
                                        "江苏省南京市", "湖北省武汉市", "未知"};
  std::vector<Text> sources;
  for (std::size_t k = 0; k < distinctSources; ++k)
    sources.push_back(k < std::size(kNamed) ? FromUtf8(kNamed[k]) : FromUtf8("活动页") + IntegerToText(static_cast<std::int64_t>(k)));
  std::vector<double> weights;
  for (std::size_t k = 0; k < distinctSources; ++k) weights.push_back(1.0 / static_cast<double>(k + 1));
  std::mt19937 random(seed);
  std::discrete_distribution<std::size_t> pickSource(weights.begin(), weights.end());
  std::uniform_int_distribution<std::size_t> pickPlace(0, std::size(kPlaces) - 1);

  VisitorText visitors;
  const Text blankFullWidth = FromUtf8("\u3000");
  const Text noBreak = FromUtf8("\u00A0");
  const Text noise = FromUtf8("浏览时间 12:01:33  停留 35秒");
  const Text visitor = FromUtf8("访客");
  visitors.text.reserve(records * 90);
  for (std::size_t i = 0; i < records; ++i) {
    Text& t = visitors.text;
    t += visitors.lineStart;
    t += i % 7 == 0 ? blankFullWidth : " ";
    t += sources[pickSource(random)];
    if (i % 4 == 0) {
      t += "\r\n";  // the item title on a line of its own
    } else {
      t += i % 5 == 0 ? noBreak : "  ";
    }
    t += visitors.itemTitle;
    t += "\r\n";
    if (i % 9 != 0) {
      t += FromUtf8(kPlaces[pickPlace(random)]);
      t += "\r\n";
    }
    t += visitor;
    t += IntegerToText(static_cast<std::int64_t>(8'800'000 + i));
    t += i % 3 == 0 ? " \r\n" : "\r\n";
    if (i % 2 == 0) {
      t += noise;
      t += "\r\n";
    }
  }
  return visitors;
}
