#pragma once

// The menus as screen readers are told of them. Qt 6.4 calls every menu
// item a plain "menu item", ticked or not, and its AT-SPI bridge drops the
// "checkable" state: an option that is off reads like a command, and
// nothing sets the direction's radio items apart. Here an item that can be
// ticked is a check box, an item of an exclusive group a radio button, each
// with its tick, in the same tree of menus that Qt builds; the menu bar's
// own items stay Qt's.

// Installs the menus' interfaces for every window. Qt asks the factory
// installed last first, so this runs once the application exists, after
// Qt's own factory for its widgets.
void describeMenusToScreenReaders();
