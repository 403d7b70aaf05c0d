#pragma once

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QWidget;

// The screens the templates show: real widget layouts (dialogs, forms, browsers, an
// editor) with plausible content, each built fresh as a top-level widget.
class TTemplateScreens {
public:
    struct TScreen {
        QString name;
        std::function<std::unique_ptr<QWidget>()> build;
    };

    static const std::vector<TScreen>& All();
};
