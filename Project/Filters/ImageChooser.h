#pragma once
// The one file chooser of the text and logo editors: by default
// QFileDialog::getOpenFileName over the readable formats (also the selected
// filter). Tests replace the function to answer without a dialog.

#include <QString>

#include <functional>

class QWidget;

using ImageChooserFunction = std::function<QString(QWidget* parent, const QString& title, const QString& folder)>;

// The chooser in use; assign to replace it, assign nullptr to restore it.
ImageChooserFunction& ImageChooser();
// Runs the chooser in use; "" when cancelled.
QString ChooseImage(QWidget* parent, const QString& title, const QString& folder);
