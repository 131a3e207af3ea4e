// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Runs modal dialogs. Tests replace the user: a hook receives the dialog, already shown, and
// answers for it (fill fields, press buttons) instead of a nested event loop waiting for a person.
#include <functional>

class QDialog;

namespace platform {

// Runs the dialog modally; returns QDialog::Accepted (1) for OK, anything else for cancel. With
// blockOwner false Qt leaves the other windows open to input: the caller then decides what
// reaches them while the dialog runs.
int runModal(QDialog& dialog, bool blockOwner = true);

// The hook gets the open dialog and returns the dialog's result (it may call accept() itself).
using ModalHook = std::function<int(QDialog& dialog)>;
void setModalHook(ModalHook hook); // empty: real modal loops again

} // namespace platform
