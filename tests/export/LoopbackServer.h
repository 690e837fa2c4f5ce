#pragma once
// A small HTTP server on 127.0.0.1 for the download tests: it serves one
// body, or acts as a proxy that demands Basic credentials, or accepts
// connections and never answers. It runs on a thread of its own until
// destroyed.

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class LoopbackServer {
 public:
  enum class Mode { Serve, Proxy, Silent };

  // credentials: "login:password" the proxy demands (Proxy mode only).
  LoopbackServer(Mode mode, std::string body, std::string credentials = std::string());
  ~LoopbackServer();

  int Port() const { return m_port; }
  std::string Url(const std::string& path) const;
  // The requests received so far (request line and headers).
  std::vector<std::string> Requests() const;

  // A loopback port nothing listens on: a connection is refused.
  static int ClosedPort();

 private:
  void Loop();
  void Answer(int client);

  Mode m_mode;
  std::string m_body;
  std::string m_credentials;
  int m_listener = -1;
  int m_port = 0;
  std::atomic<bool> m_stop{false};
  mutable std::mutex m_mutex;
  std::vector<std::string> m_requests;
  std::vector<int> m_silentClients;
  std::thread m_thread;
};
