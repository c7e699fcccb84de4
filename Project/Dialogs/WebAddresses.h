#pragma once
// The product's web site, which the share prompt and the start wizard link to.
// Plain HTTP, as every published link to it reads.
inline constexpr char kBrandquillWebSite[] = "http://www.brandquill.example/";
