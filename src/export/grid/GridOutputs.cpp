#include "export/grid/GridOutputs.h"

#include "data/LocalFileNames.h"

#include <cstdio>

std::string cannotWrite(const std::string &path, const std::string &reason)
{
    return "Cannot write " + LocalFileNames::display(path).toStdString() + " (" + reason + ").";
}

OutputFile *GridOutputs::add(const std::string &target, bool regularOnly, std::string &error)
{
    auto file = std::make_unique<OutputFile>(target);
    if (regularOnly && file->writesThrough()) {
        error = cannotWrite(target, "this format needs a regular file, not a FIFO or a device");
        return nullptr;
    }
    if (!file->open()) {
        error = cannotWrite(target, file->errorString().toStdString());
        return nullptr;
    }
    m_outputs.push_back({target, std::move(file), nullptr});
    return m_outputs.back().file.get();
}

OutputFile *GridOutputs::stream(const std::string &target, std::string &error)
{
    return add(target, false, error);
}

TextLines *GridOutputs::text(const std::string &target, std::string &error)
{
    OutputFile *file = add(target, false, error);
    if (!file)
        return nullptr;
    m_outputs.back().lines = std::make_unique<TextLines>(file->device());
    return m_outputs.back().lines.get();
}

std::string GridOutputs::path(const std::string &target, std::string &error)
{
    OutputFile *file = add(target, true, error);
    // The library opens the file by its path; this handle of it has nothing to add.
    if (!file || !file->finish()) {
        if (file)
            error = cannotWrite(target, file->errorString().toStdString());
        return {};
    }
    return file->temporaryPath();
}

bool GridOutputs::healthy(std::string &error) const
{
    for (const Output &output : m_outputs) {
        if (output.lines && output.lines->failed()) {
            error = cannotWrite(output.target, output.file->errorString().toStdString());
            return false;
        }
    }
    return true;
}

bool GridOutputs::finishAll(std::string &error)
{
    for (Output &output : m_outputs) {
        if ((output.lines && !output.lines->flush()) || !output.file->finish()) {
            error = cannotWrite(output.target, output.file->errorString().toStdString());
            cancel();
            return false;
        }
        output.lines.reset();
    }
    return true;
}

bool GridOutputs::commit(std::string &error)
{
    if (!finishAll(error))
        return false;
    for (std::size_t i = 0; i < m_outputs.size(); ++i) {
        if (!m_outputs[i].file->commit()) {
            error = cannotWrite(m_outputs[i].target, m_outputs[i].file->errorString().toStdString());
            // The files already in place go again, so that no part of the set stays.
            for (std::size_t done = 0; done < i; ++done) {
                if (!m_outputs[done].file->writesThrough())
                    std::remove(m_outputs[done].target.c_str());
            }
            cancel();
            return false;
        }
    }
    m_outputs.clear();
    return true;
}

void GridOutputs::cancel()
{
    for (Output &output : m_outputs)
        output.file->cancel();
    m_outputs.clear();
}
