#pragma once
// A small HTTP server on 127.0.0.1 for the download tests: it serves one
// body, or a reply per request target, or acts as a proxy that demands Basic
// credentials, or accepts connections and never answers. It logs every
// request. It runs on a thread of its own until destroyed.

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class LoopbackServer {
 public:
  enum class Mode { Serve, Proxy, Silent };

  // The answer to one request target.
  struct Reply {
    std::string body;
    std::string status = "200 OK";
    std::string contentType = "application/rss+xml";
    std::string headers;       // more header lines, each ending with CR LF
    bool withLength = true;    // false: no Content-Length, the body ends with the connection
    std::size_t repeat = 1;    // the body is sent this many times over (a large answer)
  };

  // credentials: "login:password" the proxy demands (Proxy mode only).
  LoopbackServer(Mode mode, std::string body, std::string credentials = std::string());
  ~LoopbackServer();

  int Port() const { return m_port; }
  std::string Url(const std::string& path) const;
  // From now on `target` (path and query, as requested) gets this reply and
  // any target without one a 404 (in Serve mode).
  void Route(const std::string& target, Reply reply);
  // The same with this body, "200 OK" and the feed's type.
  void Route(const std::string& target, std::string body);

  // The requests received so far (request line and headers).
  std::vector<std::string> Requests() const;
  // Their targets ("/Rss/Rss.aspx?NID=37276"), in order.
  std::vector<std::string> Targets() const;

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
  std::map<std::string, Reply> m_routes;
  std::vector<int> m_silentClients;
  std::vector<std::thread> m_clients;  // joined by the listening thread
  std::thread m_thread;
};
