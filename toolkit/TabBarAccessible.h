#pragma once
// Tab bars as screen readers see them: a page tab list of the tabs that show,
// each a page tab that can be chosen. A hidden tab (a page control's stand-in
// for "no tab active") is not one of them.

// Installs the factory that gives every tab bar its list (once per program).
void InstallTabBarAccessibility();
