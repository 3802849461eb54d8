// The maker's addresses, kept in one place.
#pragma once

const char* const SkinsPage = "http://bryndale.example/skins.htm";
