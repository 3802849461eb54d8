// The maker's addresses, kept in one place.
#pragma once

const char* const HomePage = "http://bryndale.example/";
const char* const SkinsPage = "http://bryndale.example/skins.htm";
const char* const FirstRunPage = "http://bryndale.example/";
const char* const AuthorName = "Pavel Orlik";
const char* const AuthorMail = "po@bryndale.example";
